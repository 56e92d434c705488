// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/picture/drawingsurface.h"

#include "qt/window/controls.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

namespace esferica {

namespace {

// Segments collected before they go to the stroke record as one batch: the record takes a full
// batch over without copying it, so a fine grid is recorded at little more than the cost of
// collecting it.
constexpr std::size_t kMaxPendingSegments = 8192;

// The focus frame, in pixels from the picture's edges inwards.
constexpr int kFocusFrameWidth = 2;

// A name: its font a quarter larger than the picture's, placed as drawing/record.h places it.
constexpr qreal kNameScale = 1.25;

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    // paintEvent covers every pixel from the image, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    pending_.reserve(kMaxPendingSegments);
    fitImage();
}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::Scale(float left, float top, float right, float bottom) {
    // A zero-width or zero-height range maps nothing anywhere; keep the previous mapping.
    if (!(right != left && bottom != top))
        return;
    // A hidden widget gets no resize event until it is shown, and a command may draw before that.
    fitImage();
    userLeft_ = left;
    userTop_ = top;
    userWidth_ = static_cast<double>(right) - left;
    userHeight_ = static_cast<double>(bottom) - top;
    updateMapping();
}

void DrawingSurface::Cls() {
    pending_.clear();
    pendingPolylines_.clear();
    polylineEnd_.reset();
    drawWidth_ = kThinLine;
    drawStyle_ = DrawStyle::Solid;
    strokes_.clear(size());
    painted_ = 0;
    names_.clear(); // the font may have changed since
    fitImage();
    image_.fill(Qt::white);
}

void DrawingSurface::setForeColor(std::int32_t color) {
    const QColor next = fromForeColor(color);
    if (next == foreColor_)
        return;
    recordPending();
    foreColor_ = next;
}

void DrawingSurface::setDrawWidth(int width) {
    width = std::max(width, kThinLine);
    if (width == drawWidth_)
        return;
    recordPending();
    drawWidth_ = width;
}

void DrawingSurface::setDrawStyle(DrawStyle style) {
    if (style == drawStyle_)
        return;
    recordPending();
    drawStyle_ = style;
}

void DrawingSurface::setCurrentX(float x) {
    currentX_ = x;
}

void DrawingSurface::setCurrentY(float y) {
    currentY_ = y;
}

void DrawingSurface::Line(float x, float y) {
    if (thinAndSolid()) {
        pending_.emplace_back(toPixels(currentX_, currentY_), toPixels(x, y));
        if (pending_.size() >= kMaxPendingSegments)
            recordPending();
    } else {
        const QPointF from(currentX_, currentY_);
        if (polylineEnd_ != from)
            pendingPolylines_.push_back({toPixels(currentX_, currentY_)});
        pendingPolylines_.back() << toPixels(x, y);
        polylineEnd_ = QPointF(x, y);
    }
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::Circle(float x, float y, float r) {
    recordPending();
    // Aspect 1: the radius is measured along x and the outline is round on the screen.
    strokes_.addCircle(foreColor_, toPixels(x, y), std::abs(r * scaleX_));
}

QPointF DrawingSurface::nameBaseline(float x, float y, float dx, float dy,
                                     const QString& name) const {
    const QRectF ink = measured(name).ink;
    // The direction in pixels (user y may point up).
    const QPointF point = toPixels(x, y);
    const PixelPoint at = esferica::nameBaseline(
        {ink.left(), ink.top(), ink.right(), ink.bottom()}, {point.x(), point.y()},
        {dx * (scaleX_ < 0 ? -1.0 : 1.0), dy * (scaleY_ < 0 ? -1.0 : 1.0)}, width(), height());
    return {at.x, at.y};
}

void DrawingSurface::Name(float x, float y, float dx, float dy, std::string_view text) {
    recordPending();
    const QString name = fromStd(text);
    strokes_.addText(foreColor_, nameBaseline(x, y, dx, dy, name), name, measured(name).font);
}

void DrawingSurface::NameHalo(float x, float y, float dx, float dy, std::string_view text) {
    recordPending();
    const QString name = fromStd(text);
    strokes_.addHalo(nameBaseline(x, y, dx, dy, name), name, measured(name).font);
}

Surface::Box DrawingSurface::nameBox(float x, float y, float dx, float dy,
                                     std::string_view text) const {
    const QString name = fromStd(text);
    const QRectF ink = measured(name).ink.translated(nameBaseline(x, y, dx, dy, name));
    const auto user = [this](QPointF p) {
        return QPointF(userLeft_ + p.x() / scaleX_, userTop_ + p.y() / scaleY_);
    };
    const QPointF a = user(ink.topLeft()), b = user(ink.bottomRight());
    return {static_cast<float>(std::min(a.x(), b.x())), static_cast<float>(std::min(a.y(), b.y())),
            static_cast<float>(std::max(a.x(), b.x())), static_cast<float>(std::max(a.y(), b.y()))};
}

const DrawingSurface::Measured& DrawingSurface::measured(const QString& name) const {
    auto found = names_.find(name);
    if (found == names_.end()) {
        const QFont font = nameFont(name);
        const QRectF ink = nameInk(name, font);
        found = names_.emplace(name, Measured{font, ink}).first;
    }
    return found->second;
}

float DrawingSurface::onePixel() const {
    return static_cast<float>(std::abs(1 / scaleX_));
}

QFont DrawingSurface::nameFont(const QString& name) const {
    // Sized in pixels, so that an SVG copy of the picture can state the very same size.
    QFont font = this->font();
    font.setPixelSize(static_cast<int>(std::lround(QFontInfo(font).pixelSize() * kNameScale)));
    font.setBold(true);
    // A side's name in italics, as sides are written.
    font.setItalic(!name.isEmpty() && name.front().isLower());
    return font;
}

void DrawingSurface::flush() {
    paintRecorded();
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
    // Over the drawing, not in the backing image: copies and exports leave it out. A plain frame
    // in the highlight colour along the edges, however the focus came, since it says that the
    // arrow keys turn the picture (the styles' own focus frames show only after a key has moved
    // the focus, or tint the whole picture).
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = kFocusFrameWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dragFrom_ = event->position();
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_ || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QPointF moved = event->position() - *dragFrom_;
    dragFrom_ = event->position();
    if (!moved.isNull())
        emit turnRequested(moved.y() * kDegreesPerPixel, -moved.x() * kDegreesPerPixel);
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (std::exchange(dragFrom_, std::nullopt))
        emit turnEnded();
}

void DrawingSurface::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QWidget::keyPressEvent(event);
    const double step =
        event->modifiers() & Qt::ShiftModifier ? kDegreesPerFineKey : kDegreesPerKey;
    switch (event->key()) {
    case Qt::Key_Left:
        return emit turnRequested(0, step);
    case Qt::Key_Right:
        return emit turnRequested(0, -step);
    case Qt::Key_Up:
        return emit turnRequested(-step, 0);
    case Qt::Key_Down:
        return emit turnRequested(step, 0);
    default:
        return QWidget::keyPressEvent(event);
    }
}

void DrawingSurface::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void DrawingSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateMapping();
    fitImage();
}

void DrawingSurface::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window moved to a screen with another pixel density needs a denser (or coarser) image.
    if (!screenWatched_) {
        if (QWindow* window = this->window()->windowHandle()) {
            connect(window, &QWindow::screenChanged, this, &DrawingSurface::fitImage);
            screenWatched_ = true;
        }
    }
    fitImage();
}

QPointF DrawingSurface::toPixels(float x, float y) const {
    return {(x - userLeft_) * scaleX_, (y - userTop_) * scaleY_};
}

void DrawingSurface::updateMapping() {
    if (userWidth_ == 0)
        return; // no Scale yet: user units stay pixels
    scaleX_ = width() / userWidth_;
    scaleY_ = height() / userHeight_;
}

void DrawingSurface::recordPending() {
    if (!pendingPolylines_.empty()) {
        strokes_.addPolylines(foreColor_, drawWidth_, drawStyle_ == DrawStyle::Dashed,
                              std::exchange(pendingPolylines_, {}));
        polylineEnd_.reset();
    }
    if (pending_.empty())
        return;
    // A full batch is handed over whole, a short one copied to its size.
    if (pending_.size() < kMaxPendingSegments) {
        strokes_.addLines(foreColor_, std::vector<QLineF>(pending_));
        pending_.clear();
    } else {
        strokes_.addLines(foreColor_, std::exchange(pending_, {}));
        pending_.reserve(kMaxPendingSegments);
    }
}

void DrawingSurface::paintRecorded() {
    recordPending();
    strokes_.paint(image_, painted_);
    painted_ = strokes_.strokeCount();
}

void DrawingSurface::fitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio)
        return;
    paintRecorded();
    QImage next(pixels, QImage::Format_ARGB32_Premultiplied);
    next.setDevicePixelRatio(ratio);
    next.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), image_);
    }
    image_ = std::move(next);
    update();
}

} // namespace esferica
