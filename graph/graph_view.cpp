// The graph as a widget: it follows the circle view's angle, sets the angle under the pointer
// while the user presses or drags in the plotting area, and turns it from the keyboard with the
// circle view's own steps.
#include "graph/graph_view.h"

#include "platform/accessibility_events.h"
#include "trig/spoken_words.h"
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
    installAccessibility();
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
    const int curves = shown ? (m_curves | curve) : (m_curves & ~curve);
    if (curves == m_curves)
        return;
    m_curves = curves;
    update();
    // What the graph says is what it draws.
    if (QAccessible::isActive() && isVisible())
        platform::notifyDescriptionChanged(this);
}

void GraphView::setDisplayOptions(const DisplayOptions &options)
{
    if (options == m_displayOptions)
        return;
    m_displayOptions = options;
    update();
}

QString GraphView::accessibleValueText() const
{
    if (!m_view)
        return QString();
    const float theta = m_view->theta();
    // What the graph draws, in the order of its legend; the angle not while practice asks for it.
    QStringList parts;
    if (!m_view->angleHidden())
        //: What a screen reader says of the graph, first the angle: "theta pi over 3".
        parts << tr("theta %1").arg(m_view->spokenAngle());
    if (showsCurve(Cosine))
        //: The value of the cosine curve at the angle, read aloud: "cosine 1 over 2".
        parts << tr("cosine %1").arg(speech::circular(figure::Circular::Cosine, theta));
    if (showsCurve(Sine))
        //: The value of the sine curve at the angle, read aloud: "sine root 3 over 2".
        parts << tr("sine %1").arg(speech::circular(figure::Circular::Sine, theta));
    if (showsCurve(Tangent))
        //: The value of the tangent curve at the angle, read aloud: "tangent root 3", "tangent
        //: undefined".
        parts << tr("tangent %1").arg(speech::circular(figure::Circular::Tangent, theta));
    //: Between the parts of the graph's spoken text: "theta pi over 3, cosine 1 over 2".
    return parts.join(tr(", "));
}

void GraphView::angleChanged()
{
    update();
    // As the circle view: the words alone, and nothing while its updates pause.
    if (!QAccessible::isActive() || !isVisible() || !m_view || m_view->accessibleUpdatesPaused())
        return;
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
