// The angle field: "θ =" and a line into which the user types an angle ("3π/4", "135°", "1.2"),
// set with Return. It shows the circle view's label as the point moves, except while the user is
// editing it; Escape puts the label back. An angle it cannot read changes nothing and is answered
// with a message beside the line that says what it can read.
#pragma once

#include <QPointer>
#include <QWidget>

class OrbelView;
class QLabel;
class QLineEdit;

class AngleField : public QWidget
{
    Q_OBJECT

public:
    explicit AngleField(QWidget *parent = nullptr);

    // The circle view whose angle the field shows and sets; not owned.
    void setOrbelView(OrbelView *view);

    // The longest text the field takes: far beyond any angle, short enough that nothing a user
    // pastes by mistake is cut into another angle.
    static constexpr int longestText = 256;

    QLineEdit *lineEdit() const { return m_edit; }
    // The message below the line: empty, the angle's coterminal form, or what the field reads.
    QString message() const;
    // True while the text is not an angle that the field could read.
    bool isMarked() const { return m_marked; }

    // What Return does: reads the text and, when it is an angle, sets it.
    void commit();
    // What Escape does: the view's label again, and no message.
    void revert();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void follow();
    void setMessage(const QString &text, const QString &spoken, bool marked);

    QPointer<OrbelView> m_view;
    QLabel *m_prompt = nullptr;
    QLineEdit *m_edit = nullptr;
    QLabel *m_message = nullptr;
    bool m_marked = false;
};
