#include "strips/SidCharts.h"

#include "core/ChartWindow.h"
#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "core/Text.h"
#include "platform/PictureLoader.h"

namespace vellaro {

SidCharts::SidCharts(ChartWindow& charts, MainWindow& window, const DataFiles& files,
                     PictureLoader& pictures)
    : charts_(charts), w_(window), files_(files), pictures_(pictures) {
    charts_.Picture1.onClick = [this] { Picture1_Click(); };
    charts_.Picture2.onClick = [this] { Picture2_Click(); };
}

void SidCharts::loadPictures() {
    const std::pair<PictureBox*, const char*> files[] = {{&charts_.Picture1, "sidwest.bmp"},
                                                         {&charts_.Picture2, "sideast.bmp"},
                                                         {&charts_.Picture3, "edbb.bmp"}};
    for (const auto& [box, file] : files) {
        const QString path = files_.path(QString::fromLatin1(file));
        if (auto size = pictures_.pictureSize(path)) {
            box->setPicture(path, size->width() * kTwipsPerPixel, size->height() * kTwipsPerPixel);
        }
    }
}

void SidCharts::showOnly(PictureBox& picture) {
    for (PictureBox* p : {&charts_.Picture1, &charts_.Picture2, &charts_.Picture3}) {
        p->setVisible(p == &picture);
    }
    picture.setHeight(picture.pictureHeight());
    picture.setWidth(picture.pictureWidth());
    charts_.form.setHeight(picture.height());
    charts_.form.setWidth(picture.width());
}

void SidCharts::sidChartDisplay() {
    charts_.form.setVisible(true);
    // 25, 26 and 27 are on the east chart; 07, 08, 09 and an empty runway box on the west one.
    const double runway = text::numericValue(text::left(w_.Text4.text(), 2));
    showOnly(runway >= 19 ? charts_.Picture2 : charts_.Picture1);
    charts_.form.setTop(w_.form.top() + w_.form.height());
    charts_.form.setLeft(w_.form.left());
}

void SidCharts::sectorChart() {
    showOnly(charts_.Picture3);
}

void SidCharts::airportMarkers(const QString& remarks) {
    charts_.Shape1.setVisible(false);
    charts_.Shape2.setVisible(false);
    struct Ring {
        const char* airport;
        int left1, top1; // Shape1 on the east chart
        int left2, top2; // Shape2 on the west chart
    };
    static constexpr Ring rings[] = {{"EDDT", 2760, 1080, 2700, 1080},
                                     {"EDDI", 3550, 2450, 3480, 2580},
                                     {"EDDB", 4320, 3960, 4240, 4100}};
    for (const Ring& r : rings) {
        if (remarks.endsWith(QLatin1String(r.airport))) {
            charts_.Shape1.setVisible(true);
            charts_.Shape2.setVisible(true);
            charts_.Shape1.setLeft(r.left1);
            charts_.Shape1.setTop(r.top1);
            charts_.Shape2.setLeft(r.left2);
            charts_.Shape2.setTop(r.top2);
        }
    }
}

void SidCharts::hide() {
    charts_.form.setVisible(false);
}

void SidCharts::Picture1_Click() {
    hide();
}

void SidCharts::Picture2_Click() {
    hide();
}

} // namespace vellaro
