// The graph as a widget: it follows the circle view's angle, sets the angle under the pointer
// while the user presses or drags in the plotting area, and turns it from the keyboard with the
// circle view's own steps.
#include "view/graph_view.h"

#include "platform/accessibility_events.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double twoPi = 6.283185307179586;
}

GraphView::GraphView(QWidget *parent)
    : QWidget(parent)
{
    // The graph paints every pixel of itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    OrbelView::installAccessibility();
    //: What a screen reader calls the graph; it begins with the word for a graph.
    setAccessibleName(tr("Graph of the cosine, the sine and the tangent"));
}

void GraphView::setOrbelView(OrbelView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (m_view)
        connect(m_view, &OrbelView::thetaChanged, this, &GraphView::angleChanged);
    m_cache = QImage();
    update();
}

void GraphView::setShowsCurve(Curve curve, bool shown)
{
    m_curves = shown ? (m_curves | curve) : (m_curves & ~curve);
    update();
}

QString GraphView::accessibleValueText() const
{
    return m_view ? m_view->accessibleValueText() : QString();
}

void GraphView::angleChanged()
{
    update();
    if (!QAccessible::isActive() || !isVisible() || !m_view)
        return;
    QAccessibleValueChangeEvent valueChange(this, double(m_view->theta()));
    QAccessible::updateAccessibility(&valueChange);
    platform::notifyDescriptionChanged(this);
}

void GraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter, QSizeF(size()), true);
    // The focus ring belongs to the window, not to the graph: exports never show it.
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void GraphView::setThetaAt(double x)
{
    if (!m_view || std::isnan(x))
        return;
    const double theta = std::clamp(thetaForX(plotArea(), x), -twoPi, twoPi);
    m_view->setTheta(float(theta));
}

void GraphView::mousePressEvent(QMouseEvent *event)
{
    // The plotting area and the pixel of its outline.
    if (event->button() != Qt::LeftButton
        || !plotArea().adjusted(-1, -1, 1, 1).contains(event->position())) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    setThetaAt(event->position().x());
}

void GraphView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // Beyond the ends of the area the angle stays at the end.
    setThetaAt(event->position().x());
}

void GraphView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
}

void GraphView::keyPressEvent(QKeyEvent *event)
{
    // The circle view's keys, with the circle view's steps.
    if (m_view && m_view->turnByKey(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void GraphView::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void GraphView::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
