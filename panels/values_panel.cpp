// Each line is a label whose text uses the summary panel's notation (the minus sign, the radical,
// the division slash) and whose accessible name says the same in words.
#include "panels/values_panel.h"

#include "trig/exact_values.h"
#include "trig/spoken_words.h"
#include "view/orbel_view.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

// A line that shows where the keyboard focus is: it takes the focus for a screen reader, and a
// sighted user of the keyboard must see it arrive there too.
class ValueLine : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

} // namespace

ValuesPanel::ValuesPanel(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < 8; ++i) {
        auto *line = new ValueLine(this);
        line->setTextFormat(Qt::RichText);
        line->setObjectName(QStringLiteral("valuesLine%1").arg(i));
        // Each line takes the focus in turn, so that a screen reader reads it where Tab goes.
        line->setFocusPolicy(Qt::TabFocus);
        if (i == 6) {
            // Half a line between the functions and where the point lies.
            m_gap = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
            layout->addItem(m_gap);
        }
        layout->addWidget(line);
        m_lines.append(line);
    }
    layout->addStretch(1);
    updateWidth();
}

void ValuesPanel::updateWidth()
{
    m_width = -1;
    updateGeometry();
}

int ValuesPanel::measuredWidth() const
{
    if (m_width >= 0)
        return m_width;
    // Every line at its widest: the longest exact value, a negative decimal, "undefined", each
    // quadrant and half-axis, and a reference angle in radians and in degrees.
    const QString values[] = { QString::fromUtf8("\u22122\u221a3\u22153"),
                               QString::fromUtf8("\u221288.888"), tr("undefined") };
    const char *const functions[6]
        = { QT_TR_NOOP("sin θ = %1"), QT_TR_NOOP("cos θ = %1"), QT_TR_NOOP("tan θ = %1"),
            QT_TR_NOOP("cot θ = %1"), QT_TR_NOOP("sec θ = %1"), QT_TR_NOOP("csc θ = %1") };
    QStringList lines;
    for (const char *f : functions)
        for (const QString &v : values)
            lines << tr(f).arg(v);
    lines << tr("On the positive x axis") << tr("On the positive y axis")
          << tr("On the negative x axis") << tr("On the negative y axis")
          << tr("Quadrant %1").arg(QStringLiteral("III"))
          << tr("Reference angle %1").arg(QString::fromUtf8("\u221211\u03c0\u22156"))
          << tr("Reference angle %1").arg(QString::fromUtf8("88.888\u00b0"));
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString &line : std::as_const(lines))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    m_width = widest + margins.left() + margins.right() + metrics.averageCharWidth();
    m_gap->changeSize(0, metrics.height() / 2, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (layout())
        layout()->invalidate();
    return m_width;
}

QSize ValuesPanel::sizeHint() const
{
    // Qt's box layouts ask every item for its sizes, hidden ones too, at every layout: hidden,
    // the panel has none to give, and its texts are measured once it is shown.
    if (isHidden())
        return QSize(0, 0);
    const int width = measuredWidth();
    return QSize(width, QWidget::sizeHint().height());
}

QSize ValuesPanel::minimumSizeHint() const
{
    if (isHidden())
        return QSize(0, 0);
    const int width = measuredWidth();
    return QSize(width, QWidget::minimumSizeHint().height());
}

void ValuesPanel::setOrbelView(OrbelView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (m_view) {
        connect(m_view, &OrbelView::thetaChanged, this, &ValuesPanel::refresh);
        connect(m_view, &OrbelView::accessibleUpdatesResumed, this, &ValuesPanel::refresh);
    }
    refresh();
}

void ValuesPanel::showEvent(QShowEvent *event)
{
    measuredWidth();
    refresh();
    QWidget::showEvent(event);
}

void ValuesPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        updateWidth();
        refresh();
    }
    if (event->type() == QEvent::FontChange)
        updateWidth();
    QWidget::changeEvent(event);
}

void ValuesPanel::refresh()
{
    // A hidden panel costs nothing while the point moves; it catches up when shown.
    if (!m_view || !isVisible())
        return;
    const float theta = m_view->theta();
    const int unit = m_view->angleUnit();
    // A line with the focus speaks each new name: while the view's updates pause (a turn of the
    // point), the lines keep theirs and catch up when it is over.
    const bool named = !m_view->accessibleUpdatesPaused();
    // Qt tells of a name set again even when it is the same: only a new one is told.
    const auto name = [named](QLabel *line, const QString &spoken) {
        if (named && line->accessibleName() != spoken)
            line->setAccessibleName(spoken);
    };

    struct Function
    {
        figure::Circular f;
        QString shown;
        QString spoken;
    };
    const Function functions[6] = {
        //: A line of the values panel; "sen θ" where schools write it so.
        { figure::Circular::Sine, tr("sin θ = %1"), tr("sine %1") },
        { figure::Circular::Cosine, tr("cos θ = %1"), tr("cosine %1") },
        { figure::Circular::Tangent, tr("tan θ = %1"), tr("tangent %1") },
        { figure::Circular::Cotangent, tr("cot θ = %1"), tr("cotangent %1") },
        { figure::Circular::Secant, tr("sec θ = %1"), tr("secant %1") },
        { figure::Circular::Cosecant, tr("csc θ = %1"), tr("cosecant %1") },
    };
    for (int i = 0; i < 6; ++i) {
        const figure::CircularValue v = figure::circularValue(functions[i].f, theta);
        QString shown;
        QString spoken;
        if (!v.defined) {
            //: The value of a function where it has none, as at tan(π∕2).
            shown = spoken = tr("undefined");
        } else {
            shown = v.exact ? figure::exactNotation(*v.exact, true)
                            : figure::threeDecimals(std::fabs(v.value));
            spoken = v.exact ? speech::exact(*v.exact)
                             : speech::number(figure::threeDecimals(std::fabs(v.value)));
            if (v.negative) {
                shown.prepend(QChar(0x2212));
                spoken = speech::minus(spoken);
            }
        }
        m_lines[i]->setText(functions[i].shown.arg(shown));
        name(m_lines[i], functions[i].spoken.arg(spoken));
    }

    // Where the point is: a quadrant, or one of the four half-axes.
    double turn = std::fmod(double(theta), 2.0 * pi);
    if (turn < 0.0)
        turn += 2.0 * pi;
    const std::optional<int> standard = figure::standardDegreesOf(theta);
    QString quadrant;
    QString quadrantSpoken;
    if (standard && *standard % 90 == 0) {
        static const char *const axes[4] = {
            QT_TR_NOOP("On the positive x axis"),
            QT_TR_NOOP("On the positive y axis"),
            QT_TR_NOOP("On the negative x axis"),
            QT_TR_NOOP("On the negative y axis"),
        };
        quadrant = quadrantSpoken = tr(axes[*standard / 90]);
    } else {
        const int q = standard ? *standard / 90 : std::min(3, int(turn / (pi / 2.0)));
        static const char *const numerals[4] = { "I", "II", "III", "IV" };
        //: Where the point lies; %1 is a Roman numeral, I to IV.
        quadrant = tr("Quadrant %1").arg(QLatin1String(numerals[q]));
        //: The quadrant read aloud; %1 is its number, 1 to 4.
        quadrantSpoken = tr("quadrant %1").arg(q + 1);
    }
    m_lines[6]->setText(quadrant);
    name(m_lines[6], quadrantSpoken);

    // The acute angle to the x axis, named as the figure names angles.
    double reference = std::fmod(std::fabs(double(theta)), pi);
    reference = std::min(reference, pi - reference);
    if (standard) {
        const int fold = *standard % 180 <= 90 ? *standard % 180 : 180 - *standard % 180;
        reference = fold * pi / 180.0;
    }
    float angle = float(reference);
    // A typed angle's reference angle is named as the angle is: as typed, never snapped.
    const QString label = m_view->typedAngle() && !standard
        ? m_view->plainLabel(angle, m_view->typedDegreeDecimals()).trimmed()
        : m_view->normalizeAngle(angle).trimmed();
    // While practice asks for the angle, its reference angle would name it.
    m_lines[7]->setVisible(!m_view->angleHidden());
    //: The reference angle, the acute angle between the radius and the x axis: "Reference
    //: angle π∕3".
    m_lines[7]->setText(tr("Reference angle %1").arg(label));
    //: The reference angle read aloud: "reference angle pi over 3".
    name(m_lines[7], tr("reference angle %1").arg(speech::angle(label, unit)));
}
