#include "platform/qt/FormView.h"

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/NativeBackend.h"
#include "platform/qt/TextWidgets.h"
#include "platform/qt/WindowHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <unordered_set>

namespace vellaro::qt {

namespace {

// The window system's own answers to our geometry requests arrive a little later;
// only a move after this settling time is the user's.
constexpr qint64 kSettleMs = 500;

// The console sizes its windows itself: the user gets no maximise button and no
// resize border, only minimise and close.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// A window the form would put partly off the screen comes inward, keeping its size.
// A top above the screen's edge is the console's own choice (the one-strip and
// raised modes hide the title bar that way) and stays.
QPoint onScreen(const QRect& window, const QRect& area) {
    if (area.isEmpty()) {
        return window.topLeft();
    }
    QPoint at = window.topLeft();
    at.setX(std::max(std::min(at.x(), area.right() + 1 - window.width()), area.left()));
    if (at.y() >= 0) {
        at.setY(std::max(std::min(at.y(), area.bottom() + 1 - window.height()), area.top()));
    }
    return at;
}

bool lightweight(ControlKind k) {
    return k == ControlKind::Label || k == ControlKind::Shape || k == ControlKind::Line;
}

} // namespace

FormView::FormView(Form& form, WindowHost& host)
    : QWidget(nullptr, kWindowFlags), form_(form), host_(host) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(host.consoleFont());
    setObjectName(form.name());
    sinceApplied_.start();
    buildControls();
    for (auto& [control, view] : views_) {
        view->sync(Prop::All);
    }
    syncWindow(Prop::All);
}

FormView::~FormView() = default;

namespace {

ControlView* makeView(Control& c, QWidget* parent) {
    switch (c.kind()) {
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(c);
        if (box.multiLine()) {
            return new BoxMemo(box, parent);
        }
        return new BoxEdit(box, parent);
    }
    case ControlKind::Label:
        return new LabelView(static_cast<Label&>(c), parent);
    case ControlKind::Button:
        return new ButtonView(static_cast<Button&>(c), parent);
    case ControlKind::CheckBox:
        return new CheckView(static_cast<CheckBox&>(c), parent);
    case ControlKind::ComboBox:
        return new ComboView(static_cast<ComboBox&>(c), parent);
    case ControlKind::PictureBox:
        return new PictureView(static_cast<PictureBox&>(c), parent);
    case ControlKind::Shape:
        return new ShapeView(static_cast<Shape&>(c), parent);
    case ControlKind::Line:
        return new LineView(static_cast<Line&>(c), parent);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

void FormView::buildControls() {
    // As in the classic toolkit, labels, shapes and lines lie on the window itself,
    // under every box and button; within each layer a later control lies above an
    // earlier one. So a label over a box never swallows the box's clicks.
    std::vector<Control*> onContainers;
    std::unordered_set<const Control*> carriers;
    for (const auto& c : form_.controls()) {
        if (c->kind() == ControlKind::Shape &&
            !static_cast<const Shape&>(*c).container().isEmpty()) {
            onContainers.push_back(c.get());
            carriers.insert(form_.find(static_cast<const Shape&>(*c).container()));
        } else if (lightweight(c->kind())) {
            order_.push_back(c.get());
        }
    }
    for (const auto& c : form_.controls()) {
        if (!lightweight(c->kind()) && c->kind() != ControlKind::Timer) {
            order_.push_back(c.get());
        }
    }
    // Controls beyond the window's edge (the folded strip rows, the lower panels)
    // get their widgets when the window grows to them: building them all took a
    // third of the start-up.
    for (Control* c : order_) {
        if (withinWindow(*c) || carriers.contains(c)) {
            views_[c] = makeView(*c, this);
        } else {
            pending_.push_back(c);
        }
    }
    for (Control* c : onContainers) {
        QWidget* parent = this;
        if (Control* owner = form_.find(static_cast<const Shape&>(*c).container())) {
            if (auto it = views_.find(owner); it != views_.end()) {
                parent = it->second->widget();
            }
        }
        views_[c] = makeView(*c, parent);
    }
    order_.insert(order_.end(), onContainers.begin(), onContainers.end());
    raiseInFront();
}

void FormView::raiseInFront() {
    for (const auto& c : form_.controls()) {
        if (auto it = views_.find(c.get()); it != views_.end() && c->inFront()) {
            it->second->widget()->raise();
        }
    }
}

bool FormView::withinWindow(const Control& c) const {
    // The window system may have made the window larger than the form says.
    int w = form_.width();
    int h = form_.height();
    if (testAttribute(Qt::WA_Resized)) {
        w = std::max(w, width() * kTwipsPerPixel);
        h = std::max(h, height() * kTwipsPerPixel);
    }
    return c.left() < w && c.top() < h && c.left() + c.width() > 0 && c.top() + c.height() > 0;
}

void FormView::buildWhatShows() {
    if (std::any_of(pending_.begin(), pending_.end(),
                    [this](const Control* c) { return withinWindow(*c); })) {
        buildPending();
    }
}

bool FormView::pending(const Control& c) const {
    return std::find(pending_.begin(), pending_.end(), &c) != pending_.end();
}

void FormView::buildPending() {
    if (pending_.empty()) {
        return;
    }
    const std::vector<Control*> now = std::move(pending_);
    pending_.clear();
    for (Control* c : now) {
        ControlView* v = makeView(*c, this);
        views_[c] = v;
        v->sync(Prop::All);
    }
    // The new widgets lie on top of all others: put every one back in its layer.
    for (Control* c : order_) {
        if (auto it = views_.find(c); it != views_.end()) {
            it->second->widget()->raise();
        }
    }
    raiseInFront();
}

ControlView* FormView::viewOf(const Control& c) {
    if (pending(c)) {
        buildPending();
    }
    auto it = views_.find(&c);
    return it == views_.end() ? nullptr : it->second;
}

void FormView::setBackgroundPicture(const QImage& picture) {
    background_ = picture;
    update();
}

void FormView::changed(Control* c, Prop p) {
    const WindowHost::SyncScope scope(host_);
    if (c == nullptr) {
        syncWindow(p);
        return;
    }
    ControlView* v = nullptr;
    if (auto it = views_.find(c); it != views_.end()) {
        v = it->second;
    } else if (pending(*c) && (p == Prop::Focus || withinWindow(*c))) {
        // A control beyond the window's edge waits for its widget until it comes
        // into the window or takes the focus; the widget takes all its properties.
        v = viewOf(*c);
    }
    if (v == nullptr) {
        return;
    }
    if (p == Prop::Focus) {
        host_.showFocus(*v);
        return;
    }
    v->sync(p);
}

void FormView::syncWindow(Prop p) {
    switch (p) {
    case Prop::All:
        // Visibility after geometry and the stay-on-top flag, so a window shows
        // where and how it belongs.
        for (Prop each : {Prop::Caption, Prop::BackColor, Prop::Left, Prop::Enabled, Prop::TopMost,
                          Prop::Visible, Prop::WindowState}) {
            syncWindow(each);
        }
        break;
    case Prop::Caption:
        setWindowTitle(form_.caption());
        break;
    case Prop::BackColor: {
        QPalette pal = palette();
        const auto back = toQColor(form_.backColor(), QApplication::palette());
        pal.setColor(QPalette::Window,
                     back.value_or(QApplication::palette().color(QPalette::Window)));
        setPalette(pal);
        update();
        break;
    }
    case Prop::Left:
    case Prop::Top:
    case Prop::Width:
    case Prop::Height:
        applyGeometry();
        break;
    case Prop::Enabled:
        setEnabled(form_.enabled());
        break;
    case Prop::TopMost:
        applyTopMost();
        break;
    case Prop::Visible:
    case Prop::Loaded:
        applyVisibility();
        break;
    case Prop::WindowState:
        applyWindowState();
        break;
    default:
        break;
    }
}

void FormView::applyWindowState() {
    const bool minimized = form_.windowState() == 1;
    if (!isVisible() || minimized == isMinimized()) {
        return;
    }
    applying_ = true;
    if (minimized) {
        showMinimized();
    } else {
        showNormal();
    }
    applying_ = false;
}

void FormView::applyGeometry() {
    if (adoptingUserMove_) {
        return; // the window already stands where the form is told it does
    }
    applying_ = true;
    const QSize outer(toPixels(form_.width()), toPixels(form_.height()));
    const QSize client = (outer - frameExtra_).expandedTo(QSize(1, 1));
    setFixedSize(client);
    placed_ = onScreen(QRect(QPoint(toPixels(form_.left()), toPixels(form_.top())), outer),
                       host_.screenArea());
    move(placed_);
    sinceApplied_.restart();
    applying_ = false;
    buildWhatShows();
}

void FormView::applyVisibility() {
    const bool shown = form_.loaded() && form_.visible();
    if (shown == isVisible()) {
        return;
    }
    if (!shown) {
        hide();
        return;
    }
    // The stay-on-top flag is cheapest set while hidden; it then comes with the show.
    setWindowFlag(Qt::WindowStaysOnTopHint, form_.topMost());
    applyGeometry();
    if (form_.windowState() == 1) {
        showMinimized();
        return;
    }
    setAttribute(Qt::WA_ShowWithoutActivating, !form_.activatesWhenShown());
    show();
    raise();
    if (form_.activatesWhenShown()) {
        activateWindow();
    }
}

void FormView::applyTopMost() {
    const bool on = form_.topMost();
    if (!isVisible()) {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        // Changing the flag the usual way would hide the window: tell the native
        // window directly and keep the widget's idea of its flags in step.
        Qt::WindowFlags flags = windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, on);
        overrideWindowFlags(flags);
        if (QWindow* w = windowHandle()) {
            w->setFlags(flags);
        }
    }
    bool done = false;
    if (QWindow* w = windowHandle()) {
        done = native::setTopMost(*w, on);
    }
    if (!done && windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        show();
    }
    if (on) {
        raise();
    }
}

void FormView::noteFrame() {
    if (!isVisible()) {
        return;
    }
    const QSize extra = frameGeometry().size() - size();
    if (extra.width() >= 0 && extra.height() >= 0 && extra != frameExtra_) {
        frameExtra_ = extra;
        applyGeometry();
    }
}

void FormView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (!background_.isNull()) {
        p.drawImage(0, 0, background_);
    }
}

void FormView::mousePressEvent(QMouseEvent*) {
    form_.userMouseDown();
}

void FormView::closeEvent(QCloseEvent* e) {
    // The console decides what closing means; the widget only passes the request on.
    e->ignore();
    host_.windowClosed(*this);
}

void FormView::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && !applying_ && isVisible()) {
        // The user minimized or restored the window with the window system.
        form_.setWindowState(isMinimized() ? 1 : 0);
    }
}

void FormView::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    noteFrame();
}

void FormView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    buildWhatShows();
    noteFrame();
}

void FormView::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    noteFrame();
    if (applying_ || !isVisible() || sinceApplied_.elapsed() < kSettleMs) {
        return;
    }
    const QPoint at = frameGeometry().topLeft();
    if (at == placed_) {
        return;
    }
    // The user moved the window: the form learns where it stands now, and the window
    // stays there, on the screen or not.
    placed_ = at;
    adoptingUserMove_ = true;
    if (at.x() != toPixels(form_.left())) {
        form_.setLeft(at.x() * kTwipsPerPixel);
    }
    if (at.y() != toPixels(form_.top())) {
        form_.setTop(at.y() * kTwipsPerPixel);
    }
    adoptingUserMove_ = false;
}

bool FormView::focusNextPrevChild(bool next) {
    form_.userTab(!next);
    return true;
}

} // namespace vellaro::qt
