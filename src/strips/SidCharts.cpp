#include "strips/SidCharts.h"

#include "core/DataFiles.h"
#include "core/MainWindow.h"
#include "platform/PictureLoader.h"
#include "strips/ChartWindow.h"

namespace vellaro {

SidCharts::SidCharts(ChartWindow& charts, const DataFiles& files, PictureLoader& pictures)
    : charts_(charts), files_(files), pictures_(pictures) {}

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

// Filled by the route box work.
void SidCharts::sidChartDisplay() {}

} // namespace vellaro
