// The levels are told apart by a symbol as well as by a colour (a hollow circle, a triangle, a
// diamond, a star), so that they read in grey print, on a projector and for a colour-blind
// student; the colours are chosen from a palette that such a student tells apart too.
#include "panels/progress_panel.h"

#include "panels/practice_history.h"
#include "trig/spoken_words.h"
#include "view/orbel_view.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;

QColor colourOf(mastery::Level level)
{
    switch (level) {
    case mastery::Level::New:
        return QColor(0x76, 0x76, 0x76);
    case mastery::Level::Learning:
        return QColor(0xd5, 0x5e, 0x00);
    case mastery::Level::Familiar:
        return QColor(0x00, 0x72, 0xb2);
    case mastery::Level::Mastered:
        break;
    }
    return QColor(0x00, 0x9e, 0x73);
}

QChar symbolOf(mastery::Level level)
{
    switch (level) {
    case mastery::Level::New:
        return QChar(0x25cb); // ○
    case mastery::Level::Learning:
        return QChar(0x25b2); // ▲
    case mastery::Level::Familiar:
        return QChar(0x25c6); // ◆
    case mastery::Level::Mastered:
        break;
    }
    return QChar(0x2605); // ★
}

// The marker of a level, centred on c with radius r.
void drawMarker(QPainter &p, QPointF c, double r, mastery::Level level)
{
    const QColor colour = colourOf(level);
    p.setPen(QPen(colour, 1.5));
    p.setBrush(colour);
    QPainterPath path;
    switch (level) {
    case mastery::Level::New:
        p.setBrush(Qt::white);
        p.drawEllipse(c, r * 0.8, r * 0.8);
        return;
    case mastery::Level::Learning:
        path.moveTo(c + QPointF(0, -r));
        path.lineTo(c + QPointF(r * 0.95, r * 0.75));
        path.lineTo(c + QPointF(-r * 0.95, r * 0.75));
        break;
    case mastery::Level::Familiar:
        path.moveTo(c + QPointF(0, -r));
        path.lineTo(c + QPointF(r, 0));
        path.lineTo(c + QPointF(0, r));
        path.lineTo(c + QPointF(-r, 0));
        break;
    case mastery::Level::Mastered:
        for (int i = 0; i < 10; ++i) {
            const double a = -pi / 2 + i * pi / 5;
            const double radius = i % 2 ? r * 0.45 : r * 1.1;
            const QPointF point = c + QPointF(radius * std::cos(a), radius * std::sin(a));
            i ? path.lineTo(point) : path.moveTo(point);
        }
        break;
    }
    path.closeSubpath();
    p.drawPath(path);
}

// The small circle: the sixteen angles where they lie, each with the marker of its level, and
// below it what the markers mean.
class ProgressCircle : public QWidget
{
public:
    explicit ProgressCircle(QWidget *parent)
        : QWidget(parent)
    {
        setMinimumSize(diameter, diameter + 4 * fontMetrics().height() + 6);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    std::array<mastery::Level, mastery::angleCount> levels {};
    QStringList legend;

    QSize sizeHint() const override { return minimumSize(); }

    static constexpr int diameter = 140;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const int side = diameter;
        const QPointF centre(width() / 2.0, side / 2.0);
        const double radius = side / 2.0 - 12;
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius);
        p.drawLine(centre - QPointF(radius + 6, 0), centre + QPointF(radius + 6, 0));
        p.drawLine(centre - QPointF(0, radius + 6), centre + QPointF(0, radius + 6));
        for (int i = 0; i < mastery::angleCount; ++i) {
            const double a = mastery::standardAngles[size_t(i)] * pi / 180.0;
            // The figure's orientation: angles counter-clockwise from the positive x axis.
            drawMarker(p, centre + QPointF(radius * std::cos(a), -radius * std::sin(a)), 6.5,
                       levels[size_t(i)]);
        }
        // The legend, a level a line.
        const int line = fontMetrics().height();
        for (int i = 0; i < legend.size() && i < 4; ++i) {
            const double y = side + 4 + i * line;
            drawMarker(p, QPointF(12, y + line / 2.0), 6, mastery::Level(i));
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRectF(24, y, width() - 24, line), Qt::AlignVCenter, legend[i]);
        }
    }
};

} // namespace

ProgressPanel::ProgressPanel(QWidget *parent)
    : QWidget(parent)
{
    // As wide as it will be once made, in the font it has now.
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 20);
    setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('m')) * 24);
}

void ProgressPanel::setVisible(bool visible)
{
    if (visible)
        built();
    QWidget::setVisible(visible);
}

const ProgressPanel &ProgressPanel::built() const
{
    if (m_title)
        return *this;
    auto *self = const_cast<ProgressPanel *>(this);
    self->build();
    return *this;
}

void ProgressPanel::build()
{
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_chooser = new QComboBox(this);
    for (int i = 0; i <= mastery::functionCount; ++i)
        m_chooser->addItem(QString());
    m_circle = new ProgressCircle(this);
    m_angles = new QListWidget(this);
    m_angles->setMaximumHeight(m_angles->fontMetrics().height() * 6 + 6);
    for (int i = 0; i < mastery::angleCount; ++i)
        new QListWidgetItem(m_angles);
    m_counts = new QLabel(this);
    m_counts->setTextFormat(Qt::RichText);
    m_due = new QLabel(this);
    m_due->setWordWrap(true);
    m_title->setObjectName(QStringLiteral("progressTitle"));
    m_chooser->setObjectName(QStringLiteral("progressFunction"));
    m_circle->setObjectName(QStringLiteral("progressCircle"));
    m_angles->setObjectName(QStringLiteral("progressAngles"));
    m_counts->setObjectName(QStringLiteral("progressCounts"));
    m_due->setObjectName(QStringLiteral("progressDue"));
    layout->addWidget(m_title);
    layout->addWidget(m_chooser);
    // The circle and the counts side by side, so that the panel fits beside a small figure.
    auto *row = new QHBoxLayout;
    row->addWidget(m_circle);
    row->addWidget(m_counts, 0, Qt::AlignTop);
    layout->addLayout(row);
    layout->addWidget(m_angles);
    layout->addWidget(m_due);
    layout->addStretch(1);
    connect(m_chooser, &QComboBox::currentIndexChanged, this, &ProgressPanel::refresh);
    retranslate();
}

void ProgressPanel::setOrbelView(OrbelView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (m_view)
        // The unit may change; the angle's moving changes nothing here. While practice asks for
        // an angle, the names of the angles to practise would answer a find question: they wait.
        connect(m_view, &OrbelView::thetaChanged, this, [this] {
            if (!m_view || !m_title)
                return;
            if (m_view->angleUnit() != m_unit)
                refresh();
            m_angles->setVisible(!m_view->angleHidden());
            m_due->setVisible(!m_view->angleHidden());
        });
    refresh();
}

void ProgressPanel::setHistory(PracticeHistory *history)
{
    if (m_history)
        disconnect(m_history, nullptr, this, nullptr);
    m_history = history;
    if (m_history)
        connect(m_history, &PracticeHistory::changed, this, &ProgressPanel::refresh);
    refresh();
}

void ProgressPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_title)
        retranslate();
    QWidget::changeEvent(event);
}

void ProgressPanel::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void ProgressPanel::retranslate()
{
    //: The title of the progress panel.
    m_title->setText(tr("Progress"));
    const QString names[mastery::functionCount + 1] = {
        tr("Sine"),
        tr("Cosine"),
        tr("Tangent"),
        tr("Cotangent"),
        tr("Secant"),
        tr("Cosecant"),
        //: The choice of the progress panel that shows where the angles lie.
        tr("Placing angles"),
    };
    for (int i = 0; i <= mastery::functionCount; ++i)
        m_chooser->setItemText(i, names[i]);
    //: The accessible name of the progress panel's choice of function.
    m_chooser->setAccessibleName(tr("Progress of"));
    static_cast<ProgressCircle *>(m_circle)->legend
        = { levelText(mastery::Level::New), levelText(mastery::Level::Learning),
            levelText(mastery::Level::Familiar), levelText(mastery::Level::Mastered) };
    refresh();
}

QString ProgressPanel::levelText(mastery::Level level) const
{
    switch (level) {
    case mastery::Level::New:
        //: A skill never practised.
        return tr("new");
    case mastery::Level::Learning:
        return tr("learning");
    case mastery::Level::Familiar:
        return tr("familiar");
    case mastery::Level::Mastered:
        break;
    }
    return tr("mastered");
}

ProgressPanel::Text ProgressPanel::angleText(int degrees) const
{
    const int unit = m_view ? m_view->angleUnit() : 0;
    float angle = float(degrees * pi / 180.0);
    QString label = m_view ? m_view->normalizeAngle(angle).trimmed() : QString();
    if (label.isEmpty())
        label = QString::number(degrees) + QChar(0x00b0);
    return { label, speech::angle(label, m_view ? unit : 1) };
}

ProgressPanel::Text ProgressPanel::skillText(const mastery::Skill &skill) const
{
    const Text angle = angleText(skill.degrees);
    if (skill.place)
        //: A skill in the progress panel: placing an angle on the circle, "placing 3π∕2".
        return { tr("placing %1").arg(angle.shown), tr("placing %1").arg(angle.spoken) };
    static const char *const shown[mastery::functionCount] = {
        QT_TR_NOOP("sin %1"), QT_TR_NOOP("cos %1"), QT_TR_NOOP("tan %1"),
        QT_TR_NOOP("cot %1"), QT_TR_NOOP("sec %1"), QT_TR_NOOP("csc %1"),
    };
    static const char *const spoken[mastery::functionCount] = {
        //: A skill in the progress panel read aloud: "sine at 2 pi over 3".
        QT_TR_NOOP("sine at %1"),      QT_TR_NOOP("cosine at %1"), QT_TR_NOOP("tangent at %1"),
        QT_TR_NOOP("cotangent at %1"), QT_TR_NOOP("secant at %1"), QT_TR_NOOP("cosecant at %1"),
    };
    const int f = int(skill.function);
    return { tr(shown[f]).arg(angle.shown), tr(spoken[f]).arg(angle.spoken) };
}

void ProgressPanel::refresh()
{
    if (!isVisible() || !m_title)
        return;
    m_unit = m_view ? m_view->angleUnit() : -1;
    const mastery::Progress none;
    const mastery::Progress &progress = m_history ? m_history->progress() : none;
    const qint64 now = m_history ? m_history->now() : 0;
    const int chosen = std::max(0, m_chooser->currentIndex());
    const bool place = chosen == mastery::functionCount;

    auto *circle = static_cast<ProgressCircle *>(m_circle);
    QStringList spokenAll;
    for (int i = 0; i < mastery::angleCount; ++i) {
        const mastery::Skill skill { place, figure::Circular(place ? 0 : chosen),
                                     mastery::standardAngles[size_t(i)] };
        const mastery::SkillState &state = progress.of(skill);
        const mastery::Level level = state.level();
        circle->levels[size_t(i)] = level;
        const Text angle = angleText(skill.degrees);
        const Text name = skillText(skill);
        // The angle, the level's symbol and the level: "2π∕3  ★ mastered".
        QListWidgetItem *item = m_angles->item(i);
        item->setText(
            QStringLiteral("%1  %2 %3").arg(angle.shown, symbolOf(level), levelText(level)));
        //: A skill and its level read aloud: "sine at 2 pi over 3: mastered".
        const QString spoken = tr("%1: %2").arg(name.spoken, levelText(level));
        item->setData(Qt::AccessibleTextRole, spoken);
        item->setToolTip(tr("%1 right, %2 wrong").arg(state.right).arg(state.wrong));
        spokenAll << spoken;
    }
    circle->setAccessibleName(m_chooser->currentText());
    circle->setAccessibleDescription(spokenAll.join(QStringLiteral("; ")));
    circle->update();

    // The levels counted for each function and for placing: a small table, its columns headed by
    // the levels' symbols; in words for a screen reader.
    static const char *const abbreviations[mastery::functionCount + 1] = {
        QT_TR_NOOP("sin"),
        QT_TR_NOOP("cos"),
        QT_TR_NOOP("tan"),
        QT_TR_NOOP("cot"),
        QT_TR_NOOP("sec"),
        QT_TR_NOOP("csc"),
        //: Short for placing angles, in the progress panel's table of counts.
        QT_TR_NOOP("place"),
    };
    QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\"><tr><td></td>");
    for (int level = 3; level >= 0; --level)
        table += QStringLiteral("<td align=\"right\" style=\"color: %1\">%2</td>")
                     .arg(colourOf(mastery::Level(level)).name(), symbolOf(mastery::Level(level)));
    table += QStringLiteral("</tr>");
    QStringList spokenCounts;
    for (int f = 0; f <= mastery::functionCount; ++f) {
        int counts[4] = { 0, 0, 0, 0 };
        for (int degrees : mastery::standardAngles)
            ++counts[int(progress
                             .of({ f == mastery::functionCount,
                                   figure::Circular(f == mastery::functionCount ? 0 : f), degrees })
                             .level())];
        table += QStringLiteral("<tr><td>%1</td>").arg(tr(abbreviations[f]).toHtmlEscaped());
        for (int level = 3; level >= 0; --level)
            table += QStringLiteral("<td align=\"right\">%1</td>").arg(counts[level]);
        table += QStringLiteral("</tr>");
        //: The levels counted for one function, read aloud: "Sine: 3 mastered, 2 familiar,
        //: 5 learning, 6 new".
        spokenCounts << tr("%1: %2 mastered, %3 familiar, %4 learning, %5 new")
                            .arg(m_chooser->itemText(f))
                            .arg(counts[3])
                            .arg(counts[2])
                            .arg(counts[1])
                            .arg(counts[0]);
    }
    table += QStringLiteral("</table>");
    m_counts->setText(table);
    m_counts->setAccessibleName(spokenCounts.join(QStringLiteral("; ")));

    // What is due, the weakest first as the next round asks them.
    std::vector<int> due;
    for (int i = 0; i < mastery::skillCount; ++i)
        if (progress.at(i).isDue(now))
            due.push_back(i);
    std::stable_sort(due.begin(), due.end(), [&progress](int a, int b) {
        return mastery::weaker(progress.at(a), progress.at(b));
    });
    if (due.empty()) {
        const QString nothing = tr("Nothing is due now.");
        m_due->setText(nothing);
        m_due->setAccessibleName(nothing);
        return;
    }
    constexpr int named = 5;
    QStringList shown, spoken;
    for (size_t i = 0; i < due.size() && i < size_t(named); ++i) {
        const mastery::Skill skill = mastery::Skill::fromIndex(due[i]);
        const Text text = skillText(skill);
        const QString level = levelText(progress.at(due[i]).level());
        shown << QStringLiteral("%1 (%2)").arg(text.shown, level);
        spoken << tr("%1: %2").arg(text.spoken, level);
    }
    if (int(due.size()) > named) {
        //: After the skills named as due: "and 4 more".
        shown << tr("and %n more", nullptr, int(due.size()) - named);
        spoken << shown.last();
    }
    //: What the next rounds ask first: "Due now (3): sec 4π∕3 (learning), …".
    m_due->setText(tr("Due now (%1): %2").arg(due.size()).arg(shown.join(QStringLiteral(", "))));
    m_due->setAccessibleName(
        tr("Due now (%1): %2").arg(due.size()).arg(spoken.join(QStringLiteral(", "))));
}
