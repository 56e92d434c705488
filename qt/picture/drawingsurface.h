// SPDX-License-Identifier: GPL-3.0-or-later
// The picture that the drawing stage draws on: a white widget that keeps its drawing in a backing
// image, so that covering and uncovering the window, or hiding and showing it, never loses it.
#pragma once

#include "drawing/surface.h"
#include "qt/picture/strokes.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPolygonF>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

namespace esferica {

// A calculation makes thousands of Line calls (a fine grid, hundreds of thousands), so the
// operations do not paint one by one: segments of one pen are collected into the stroke record,
// and flush() paints what has been recorded since the last one into the backing image, in bands
// side by side on the cores (StrokeRecord::paint). Every operation still takes effect in the order
// it was called. The owner calls flush() when a command has finished and before anything may show
// the widget in between (a modal message box runs an event loop); flush() also schedules the one
// repaint that the command needs. Thin solid lines are kept as segments; wide or dashed ones as
// polylines of the segments that join end to start, so that each is stroked as one line. Names are
// written in the picture's font, bold and a quarter larger (a side's in italics).
//
// The picture is also where the user turns the sphere: dragging with the left button and the
// arrow keys ask for a turn through turnRequested, which the window answers by drawing its scene
// again under the turned view; releasing the button says that the drag is over (turnEnded).
class DrawingSurface : public QWidget, public Surface {
    Q_OBJECT

public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    void Scale(float left, float top, float right, float bottom) override;
    void Cls() override;
    void setForeColor(std::int32_t color) override;
    void setDrawWidth(int width) override;
    void setDrawStyle(DrawStyle style) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void Line(float x, float y) override;
    void Circle(float x, float y, float r) override;
    void Name(float x, float y, float dx, float dy, std::string_view text) override;
    void NameHalo(float x, float y, float dx, float dy, std::string_view text) override;
    Box nameBox(float x, float y, float dx, float dy, std::string_view text) const override;
    float onePixel() const override;

    // Puts every operation so far into the backing image and schedules a repaint.
    void flush();
    // The drawing as it stands after the last flush(), at the widget's device pixel ratio.
    const QImage& image() const { return image_; }
    // Every segment and circle drawn since the last Cls, as drawn.
    const StrokeRecord& strokes() const { return strokes_; }

    // Degrees of turn per pixel of drag, and per press of an arrow key without and with Shift.
    static constexpr double kDegreesPerPixel = 0.5;
    static constexpr double kDegreesPerKey = 5;
    static constexpr double kDegreesPerFineKey = 1;

signals:
    // The user asks to turn the view by the given degrees, like grabbing the sphere: the near side
    // follows the mouse. A drag to the right lowers the rotation and a drag down raises the
    // inclination; the arrow keys turn the same ways as a drag in their direction.
    void turnRequested(double inclinationDeg, double rotationDeg);
    // The left button that dragged the sphere has been released: the drag is over.
    void turnEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointF toPixels(float x, float y) const;
    void updateMapping();
    // Moves the collected segments and polylines into the stroke record.
    void recordPending();
    bool thinAndSolid() const { return drawWidth_ == kThinLine && drawStyle_ == DrawStyle::Solid; }
    // The font of a name: the picture's, bold and a quarter larger; a side's in italics.
    QFont nameFont(const QString& name) const;
    // Where Name writes `name` beside (x, y) towards (dx, dy): its baseline origin, in pixels.
    QPointF nameBaseline(float x, float y, float dx, float dy, const QString& name) const;
    // The font and the ink (nameInk) of a name, measured once a drawing: a drawing tries several
    // places for each of its names.
    struct Measured {
        QFont font;
        QRectF ink;
    };
    const Measured& measured(const QString& name) const;
    // Paints what the stroke record holds beyond what the image shows.
    void paintRecorded();
    // Makes the backing image match the widget's size and device pixel ratio, keeping the drawing.
    void fitImage();

    QImage image_;
    std::vector<QLineF> pending_; // thin solid segments in foreColor_, not yet in the record
    std::vector<QPolygonF> pendingPolylines_; // wide or dashed lines, not yet in the record
    std::optional<QPointF> polylineEnd_;      // in user coordinates, where the last one ends
    std::size_t painted_ = 0;                 // the strokes of the record already in the image
    QColor foreColor_ = Qt::black;
    int drawWidth_ = kThinLine;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    // The user coordinate range set by Scale; until then one unit is one pixel from the top left.
    double userLeft_ = 0, userTop_ = 0, userWidth_ = 0, userHeight_ = 0;
    double scaleX_ = 1, scaleY_ = 1; // pixels per user unit, recomputed when either side changes
    float currentX_ = 0, currentY_ = 0;
    bool screenWatched_ = false;
    StrokeRecord strokes_;
    std::optional<QPointF> dragFrom_;           // where the left button was last seen in a drag
    mutable std::map<QString, Measured> names_; // since the last Cls
};

} // namespace esferica
