// The program in the language that the environment asks for (LANGUAGE, LANG), or in English: the
// window's menus, controls and titles, what a screen reader hears, Qt's own print dialog, and the
// ReadMe that Help opens. CTest runs it once per language and once with LANG=C.UTF-8.
#include "app/controller.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "graph/graph_view.h"
#include "platform/workspace.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr double pi = 3.141592653589793;

// Every text of the window a user reads or a screen reader speaks, named by where it is.
// The texts of one round of practice, drawn at random: they differ from window to window.
bool drawnAtRandom(const QObject *object)
{
    static const QStringList names { QStringLiteral("practiceScore"),
                                     QStringLiteral("practiceQuestion"),
                                     QStringLiteral("practiceFeedback"),
                                     QStringLiteral("practiceMissed") };
    return names.contains(object->objectName())
        || object->objectName().startsWith(QLatin1String("answer"));
}

QMap<QString, QString> windowTexts()
{
    MainWindow window;
    Controller controller;
    bindController(controller, window);
    controller.awakeFromNib();
    window.orbelView()->setTheta(float(3.0 * pi / 4.0));

    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("window title"), window.windowTitle());
    for (QAction *menu : window.menuBar()->actions()) {
        texts.insert(QStringLiteral("menu ") + menu->objectName(), menu->text());
        if (menu->menu())
            for (QAction *action : menu->menu()->actions())
                if (!action->isSeparator())
                    texts.insert(QStringLiteral("command ") + action->objectName(), action->text());
    }
    for (QGroupBox *box : window.findChildren<QGroupBox *>())
        texts.insert(QStringLiteral("group ") + box->objectName(), box->title());
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        // Qt's own parts of the window (the menu bar's overflow button) have no text of ours.
        if (button->objectName().startsWith(QLatin1String("qt_")) || drawnAtRandom(button))
            continue;
        texts.insert(QStringLiteral("control ") + button->objectName(), button->text());
        // The practice buttons' descriptions carry the question of the moment.
        if (!button->accessibleDescription().isEmpty()
            && !button->objectName().startsWith(QLatin1String("practice")))
            texts.insert(QStringLiteral("description of ") + button->objectName(),
                         button->accessibleDescription());
    }
    for (QLabel *label : window.findChildren<QLabel *>())
        if (!drawnAtRandom(label))
            texts.insert(QStringLiteral("label ") + label->objectName(), label->text());
    texts.insert(QStringLiteral("name of the circle"), window.orbelView()->accessibleName());
    texts.insert(QStringLiteral("name of the graph"), window.graphView()->accessibleName());
    texts.insert(QStringLiteral("spoken text"), window.orbelView()->accessibleValueText());
    return texts;
}

QStringList printDialogButtons()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPrintDialog dialog(&printer);
    QStringList texts;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        texts << button->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    QString m_language; // empty: English, for LANG=C.UTF-8
    QMap<QString, QString> m_english;
    QMap<QString, QString> m_shown;

private slots:
    void initTestCase()
    {
        m_language = qEnvironmentVariable("LANGUAGE");
        translations::install(QLocale(QLocale::English));
        m_english = windowTexts();
        // As main does it: the user's language, from the environment.
        translations::install();
        m_shown = windowTexts();
        QCOMPARE(m_shown.keys(), m_english.keys());
    }

    // Notation reads the same in every language ("cos θ"); anything else left as it is in English
    // was not translated.
    void everyTextIsInTheLanguage()
    {
        if (m_language.isEmpty()) {
            QCOMPARE(m_shown, m_english);
            return;
        }
        const QRegularExpression notation(QStringLiteral("^((cos|sin|tan) \u03b8|\u03b8 =)$"));
        // Words that are the same in the language as in English.
        const QMultiMap<QString, QString> same {
            { QStringLiteral("de"), QStringLiteral("Graph") },
            { QStringLiteral("fr"), QStringLiteral("Radians") },
            { QStringLiteral("fr"), QStringLiteral("Angle") }
        };
        for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
            const QString english = QString(it.value()).remove(QLatin1Char('&'));
            const QString shown = QString(m_shown.value(it.key())).remove(QLatin1Char('&'));
            // Texts that are empty until there is something to say (messages, values).
            if (english.isEmpty() || notation.match(english).hasMatch()
                || same.contains(m_language, english))
                continue;
            QVERIFY2(
                shown != english,
                qPrintable(QStringLiteral("%1 is still \u201c%2\u201d").arg(it.key(), english)));
        }
    }

    void mnemonicsStayApart()
    {
        // The letters of the Alt keys of the menus and the controls, all different.
        QMap<QChar, QString> letters;
        for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it) {
            if (!it.key().startsWith(QStringLiteral("menu "))
                && !it.key().startsWith(QStringLiteral("control ")))
                continue;
            const qsizetype amp = it.value().indexOf(QLatin1Char('&'));
            if (amp < 0 || amp + 1 >= it.value().size())
                continue;
            const QChar letter = it.value().at(amp + 1).toLower();
            QVERIFY2(!letters.contains(letter),
                     qPrintable(QStringLiteral("%1 and %2 share Alt+%3")
                                    .arg(letters.value(letter), it.key(), letter)));
            letters.insert(letter, it.key());
        }
    }

    // What speech reads (names, descriptions, the spoken text) has words for the symbols that
    // speech reads badly: the division slash, the minus sign, the radical, pi.
    void spokenTextHasOnlyWords()
    {
        for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it) {
            if (!it.key().startsWith(QLatin1String("description"))
                && !it.key().startsWith(QLatin1String("name"))
                && it.key() != QLatin1String("spoken text"))
                continue;
            for (const QChar symbol :
                 { QChar(0x2215), QChar(0x2212), QChar(0x221a), QChar(0x03c0) })
                QVERIFY2(!it.value().contains(symbol),
                         qPrintable(it.key() + QStringLiteral(": ") + it.value()));
        }
        const QString spoken = m_shown.value(QStringLiteral("spoken text"));
        QVERIFY2(spoken.contains(QLatin1Char('3')) && spoken.contains(QLatin1Char('4')),
                 qPrintable(spoken));
    }

    // Speech reads a point between digits as a thousands separator in German, French, Spanish
    // and Portuguese: spoken numbers take the language's own separator, the figure keeps its own.
    void spokenNumbersInTheLanguagesNotation()
    {
        MainWindow window;
        OrbelView &view = *window.orbelView();
        window.graphView()->setShowsCurve(GraphView::Tangent, true);
        view.setTheta(1.2f);
        const QString separator = m_language.isEmpty() ? QStringLiteral(".") : QStringLiteral(",");
        const QString other = m_language.isEmpty() ? QStringLiteral(",") : QStringLiteral(".");
        const QString circle = view.accessibleValueText();
        const QString graph = window.graphView()->accessibleValueText();
        const auto in = [](const QString &sep, const char *whole, const char *decimals) {
            return QLatin1String(whole) + sep + QLatin1String(decimals);
        };
        for (const auto &[whole, decimals] :
             { std::pair { "1", "20" }, std::pair { "0", "362" }, std::pair { "0", "932" } }) {
            QVERIFY2(circle.contains(in(separator, whole, decimals)), qPrintable(circle));
            QVERIFY2(!circle.contains(in(other, whole, decimals)), qPrintable(circle));
        }
        QVERIFY2(graph.contains(in(separator, "2", "572")), qPrintable(graph));
        QCOMPARE(view.displayTheta(), QStringLiteral("1.20"));

        view.setAngleUnit(1);
        view.setTheta(float(65.0 * pi / 180.0));
        QVERIFY2(view.accessibleValueText().contains(in(separator, "0", "423")),
                 qPrintable(view.accessibleValueText()));
    }

    void qtsOwnDialogsSpeakTheLanguage()
    {
        const QStringList buttons = printDialogButtons();
        QVERIFY(!buttons.isEmpty());
        const bool english = buttons.contains(QStringLiteral("Print"))
            || buttons.contains(QStringLiteral("Cancel"));
        QVERIFY2(english == m_language.isEmpty(), qPrintable(buttons.join(QStringLiteral(", "))));
    }

    void readMeInTheLanguage()
    {
        platform::setBundleDirectory(QStringLiteral(UNITCIRCLE_BINARY_DIR));
        const QString path
            = platform::pathForResource(QStringLiteral("ReadMe"), QStringLiteral("rtf"));
        const QString english = QStringLiteral(UNITCIRCLE_BINARY_DIR "/ReadMe.rtf");
        if (m_language.isEmpty()) {
            QCOMPARE(path, english);
            return;
        }
        QCOMPARE(path, QStringLiteral(UNITCIRCLE_BINARY_DIR "/%1/ReadMe.rtf").arg(m_language));
        QFile translated(path);
        QFile original(english);
        QVERIFY(translated.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        const QByteArray text = translated.readAll();
        QVERIFY(text.startsWith("{\\rtf1"));
        QVERIFY(text != original.readAll());
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestTranslations)
#include "tst_translations.moc"
