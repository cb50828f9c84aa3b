// The field sets the angle only through the circle view's setters, so the label, the winding state
// and everything that follows the view (the graph, the spoken text) are the same as for any other
// change. A standard angle typed lands through setTheta, exactly named; any other is set as typed,
// never snapped to a standard angle nearby: a number typed is meant as typed.
#include "panels/angle_field.h"

#include "platform/accessibility_events.h"
#include "trig/angle_parser.h"
#include "trig/spoken_words.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <functional>
#include <utility>

namespace {

// Refuses an edit that makes the text longer than the field takes: the line is left as it was
// before the edit, instead of keeping the start of a long paste. The line cuts what it is given
// to its maximum length before asking, so that length is one beyond the longest text taken.
class LengthValidator : public QValidator
{
public:
    LengthValidator(std::function<void()> refused, QObject *parent)
        : QValidator(parent)
        , m_refused(std::move(refused))
    { }

    State validate(QString &input, int &) const override
    {
        if (input.size() <= AngleField::longestText)
            return Acceptable;
        m_refused();
        return Invalid;
    }

private:
    std::function<void()> m_refused;
};

} // namespace

AngleField::AngleField(QWidget *parent)
    : QWidget(parent)
    , m_prompt(new QLabel(this))
    , m_edit(new QLineEdit(this))
    , m_message(new QLabel(this))
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_prompt, 0, 0);
    layout->addWidget(m_edit, 0, 1);
    // The message to the right of the line: the window keeps its height when one appears.
    layout->addWidget(m_message, 0, 2);
    layout->setColumnStretch(2, 1);
    // The prompt is no buddy of the line: a screen reader would name the line "θ =", not "Angle".
    m_edit->setObjectName(QStringLiteral("angleEdit"));
    // Wide enough for "−11π∕6" and "−360°" with room to type.
    m_edit->setMinimumWidth(
        m_edit->fontMetrics().horizontalAdvance(QStringLiteral("\u221211\u03c0\u22156")) * 2);
    m_message->setWordWrap(true);
    m_message->setObjectName(QStringLiteral("angleMessage"));
    m_message->hide();
    m_edit->installEventFilter(this);
    m_edit->setMaxLength(longestText + 1);
    m_edit->setValidator(new LengthValidator(
        [this] {
            //: Beside the angle field when the user pastes or types more than it takes.
            setMessage(tr("That is too long for an angle: the field takes at most %1 characters.")
                           .arg(longestText),
                       //: What a screen reader says when the text pasted into the angle field
                       //: was refused as too long.
                       tr("Too long for an angle. The field takes at most %1 characters.")
                           .arg(longestText),
                       true);
        },
        m_edit));
    connect(m_edit, &QLineEdit::returnPressed, this, &AngleField::commit);
    // Editing takes away the mark: it was about the text that was there.
    connect(m_edit, &QLineEdit::textEdited, this, [this] {
        if (m_marked)
            setMessage(QString(), QString(), false);
    });
    QEvent languageChange(QEvent::LanguageChange);
    changeEvent(&languageChange);
    setMessage(QString(), QString(), false);
}

void AngleField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        //: Before the field in which the user types an angle.
        m_prompt->setText(tr("θ ="));
        //: What a screen reader calls the field in which the user types an angle.
        m_edit->setAccessibleName(tr("Angle"));
        m_edit->setToolTip(tr("Type an angle, such as 3π/4, 2pi, 1.2, 135° or −90 deg, "
                              "and press Return"));
    }
    QWidget::changeEvent(event);
}

void AngleField::setOrbelView(OrbelView *view)
{
    if (m_view)
        disconnect(m_view, nullptr, this, nullptr);
    m_view = view;
    if (m_view) {
        connect(m_view, &OrbelView::thetaChanged, this, &AngleField::follow);
        connect(m_view, &OrbelView::accessibleUpdatesResumed, this, &AngleField::follow);
    }
    follow();
}

QString AngleField::message() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

void AngleField::follow()
{
    // What the user is typing stays until Return or Escape.
    if (!m_view || m_edit->isModified())
        return;
    // A screen reader reads out every change of the focused field's text: while the view's
    // updates pause (a turn of the point), the field waits and catches up afterwards.
    if (m_view->accessibleUpdatesPaused() && m_edit->hasFocus())
        return;
    // While practice asks for the angle, the field does not name it either.
    const QString label = m_view->angleHidden() ? QString() : m_view->displayTheta().trimmed();
    if (m_edit->text() != label)
        m_edit->setText(label);
}

void AngleField::commit()
{
    if (!m_view)
        return;
    const angleinput::ParsedAngle angle
        = angleinput::parseAngle(m_edit->text(), m_view->angleUnit());
    if (!angle.ok) {
        //: Below the angle field when what was typed is not an angle.
        setMessage(tr("Type an angle such as 3π/4, 2pi, −5π/6, 1.2, 135° or "
                      "−90 deg."),
                   //: What a screen reader says when what was typed is not an angle; like the
                   //: message shown, in words.
                   tr("Not an angle. Type an angle such as 3 pi over 4, 2 pi, 1.2, 135 degrees "
                      "or minus 90 degrees."),
                   true);
        return;
    }
    m_edit->setModified(false);
    if (angle.standard)
        m_view->setTheta(float(angle.radians));
    else
        m_view->setTypedAngle(float(angle.radians), angle.degreeDecimals);
    // setTheta follows itself only when the angle changed.
    m_edit->setText(m_view->angleHidden() ? QString() : m_view->displayTheta().trimmed());
    if (angle.coterminal && !m_view->angleHidden()) {
        const QString label = m_view->displayTheta().trimmed();
        //: Below the angle field when an angle beyond a full turn was brought in by whole turns.
        setMessage(
            tr("shown as the coterminal angle %1").arg(label),
            tr("shown as the coterminal angle %1").arg(speech::angle(label, m_view->angleUnit())),
            false);
    } else {
        setMessage(QString(), QString(), false);
    }
}

void AngleField::revert()
{
    m_edit->setModified(false);
    follow();
    setMessage(QString(), QString(), false);
}

void AngleField::setMessage(const QString &text, const QString &spoken, bool marked)
{
    m_marked = marked;
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
    // The mark: a reddish field and a dark red message, legible on a projector as on screen.
    QPalette palette
        = m_edit->parentWidget() ? m_edit->parentWidget()->palette() : m_edit->palette();
    if (marked) {
        palette.setColor(QPalette::Base, QColor(255, 235, 235));
        palette.setColor(QPalette::Text, QColor(0, 0, 0));
    }
    m_edit->setPalette(palette);
    m_message->setStyleSheet(marked ? QStringLiteral("color: #b00000;") : QString());
    // Without a message the description is the tool tip in words: Qt would read the tool tip
    // itself to a screen reader, symbols and all.
    const QString description = spoken.isEmpty()
        //: The angle field's tool tip as a screen reader says it.
        ? tr("Type an angle, such as 3 pi over 4, 2 pi, 1.2, 135 degrees or minus 90 degrees, "
             "and press Return")
        : spoken;
    if (m_edit->accessibleDescription() == description)
        return;
    m_edit->setAccessibleDescription(description);
    if (QAccessible::isActive() && m_edit->hasFocus())
        platform::notifyDescriptionChanged(m_edit);
}

bool AngleField::eventFilter(QObject *watched, QEvent *event)
{
    // Escape is the field's while there is something to take back, before any window shortcut
    // on it (leaving full screen).
    if (watched == m_edit && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && (m_edit->isModified() || m_marked)) {
        event->accept();
        return true;
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        revert();
        return true;
    }
    if (watched == m_edit && event->type() == QEvent::FocusOut && !m_marked)
        revert();
    return QWidget::eventFilter(watched, event);
}
