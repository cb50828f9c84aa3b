// The views as assistive technology sees them: the circle view, a slider named "Unit circle", and
// the graph, a slider named "Graph…", whose value is the angle in the unit shown, and a spoken
// text in plain words ("theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2") that
// speech synthesisers read correctly, where the figure's own symbols (the division slash, the minus
// sign, the radical and pi) are read as "pi six" or "slash". A change of the angle is told as a
// change of that text alone: screen readers speak a changed value as a bare number ("0.52", with
// a point in every language) before the words, so the value is there for those who ask but is
// not announced. The spoken text is also the views' read-only text, which a screen reader's
// review of the window reads in place of the slider's percentage.
#include "view/orbel_view.h"

#include "platform/accessibility_events.h"
#include "trig/spoken_words.h"
#include "view/angle_accessible.h"

#include <QAccessible>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

class OrbelViewAccessible : public AngleAccessible
{
public:
    explicit OrbelViewAccessible(OrbelView *view)
        : AngleAccessible(view, QAccessible::Slider)
    { }
    OrbelView *angleView() const override { return static_cast<OrbelView *>(widget()); }
    QString spokenText() const override { return angleView()->accessibleValueText(); }
    QString help() const override
    {
        return OrbelView::tr("Drag the point, or use the arrow keys, Page Up, Page Down and "
                             "Home, to change the angle theta.");
    }
};

QAccessibleInterface *angleViewFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("OrbelView"))
        return new OrbelViewAccessible(static_cast<OrbelView *>(object));
    return nullptr;
}

} // namespace

void OrbelView::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(angleViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString OrbelView::spokenAngle() const
{
    // Read off the label itself, so that what is heard is what is shown.
    return speech::angle(m_displayTheta, m_angleUnit);
}

QString OrbelView::accessibleValueText() const
{
    // While practice asks for the angle, the point is told by its coordinates alone.
    if (m_angleHidden)
        //: What a screen reader says of the figure while a practice question asks for the
        //: angle: the point's coordinates only, "cosine minus 1 over 2, sine root 3 over 2".
        return tr("cosine %1, sine %2")
            .arg(speech::value(std::cos(m_theta)), speech::value(std::sin(m_theta)));
    //: What a screen reader says of the figure: the angle theta, its cosine and its sine, each in
    //: words: "theta 3 pi over 4, cosine minus root 2 over 2, sine root 2 over 2".
    return tr("theta %1, cosine %2, sine %3")
        .arg(spokenAngle(), speech::circular(figure::Circular::Cosine, m_theta),
             speech::circular(figure::Circular::Sine, m_theta));
}

double OrbelView::accessibleValue() const
{
    return m_angleUnit == 1 ? double(m_theta) * 180.0 / pi : double(m_theta);
}

void OrbelView::setAccessibleUpdatesPaused(bool paused)
{
    if (paused == m_accessibleUpdatesPaused)
        return;
    m_accessibleUpdatesPaused = paused;
    if (!paused)
        emit accessibleUpdatesResumed();
}

void OrbelView::notifyAngleChanged()
{
    emit thetaChanged(m_theta);
    // Only a view on screen has anyone listening; a print view never speaks.
    if (!QAccessible::isActive() || !isVisible() || m_accessibleUpdatesPaused)
        return;
    // The change is told in words alone: a value event would be spoken as a bare number first
    // (and, while practice asks for the angle, would give it away).
    platform::notifyDescriptionChanged(this);
}
