// Printing the figure: the shared settings and their 33-point margins, the print view sized to
// the printable area with the window's angle and choices, one page written through the real print
// dialog into a PDF file, and what the page says (pdftotext, pdfinfo).
#include "app/controller.h"
#include "app/main_window.h"
#include "app/print_dialog.h"
#include "app/printing.h"
#include "graph/graph_view.h"
#include "platform/preferences.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <optional>

namespace {

constexpr double pi = 3.141592653589793;
const QString degree = QString(QChar(0x00b0));

QString settingsPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/unitcircle/unitcircle.conf");
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What the observer saw of one request, copied while the print view was alive.
struct Seen
{
    QSizeF paperSize;
    QMarginsF margins;
    float width = 0.0f;
    float height = 0.0f;
    Rect frame;
    Point origin;
    float unit = 0.0f;
    float theta = 0.0f;
    int angleUnit = 0;
    bool standardAngles = false;
    bool sinCos = false;
    bool canDrag = true;
    bool visible = true;
    QString label;
    QPointer<OrbelView> printView;
};

// The box of the darkest ink on a page rendered at two pixels a point, in points: the graph's
// black frame (its curves are in colour, its labels grey).
QRectF blackBox(const QString &pdf, const QString &stem)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  { QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, stem });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QRectF();
    const QImage image
        = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 40)
                box |= QRect(x, y, 1, 1);
    return QRectF(box.left() / 2.0, box.top() / 2.0, (box.width()) / 2.0, (box.height()) / 2.0);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_out;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Controller> m_controller;
    std::vector<Seen> m_seen;
    int m_files = 0;

    OrbelView &view() const { return *m_window->orbelView(); }

    QPrinter &printer() const { return printing::sharedPrintInfo(); }

    // A fresh output file on Letter paper, portrait, for the next request.
    QString prepare(const QPageSize &paper = QPageSize(QPageSize::Letter))
    {
        const QString path = m_out.filePath(QStringLiteral("page-%1.pdf").arg(++m_files));
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(path);
        printer().setPageSize(paper);
        printer().setPageOrientation(QPageLayout::Portrait);
        return path;
    }

    // Sends print: and works the dialog that it opens as a user would: accepts or cancels it.
    // Answers whether a print dialog was seen at all.
    bool printThroughDialog(bool accept, std::function<void()> send = {})
    {
        bool seenDialog = false;
        QTimer poll;
        int ticks = 0;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
                seenDialog = true;
                QCOMPARE(dialog->parentWidget(), m_window.get());
                if (accept)
                    dialog->accept();
                else
                    dialog->reject();
            } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
                // Anything else (a question about the file) would be a failure of the test set-up.
                dialog->reject();
            } else if (++ticks > 1000) {
                poll.stop();
            }
        });
        poll.start(10);
        if (send)
            send();
        else
            m_controller->print();
        poll.stop();
        return seenDialog;
    }

    QString pageText(const QString &pdf)
    {
        return run(QStringLiteral("pdftotext"),
                   { QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_out.isValid());
        QVERIFY2(
            !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
            "poppler-utils (pdftotext, pdfinfo) is missing; scripts/install-deps.sh installs it");
        printing::setPassObserver([this](const printing::PrintPass &pass) {
            Seen seen;
            seen.paperSize = pass.paperSize;
            seen.margins = pass.margins;
            seen.width = pass.width;
            seen.height = pass.height;
            const OrbelView &v = pass.printView;
            seen.frame = v.frame();
            seen.origin = v.coordinates().originInFrame();
            seen.unit = v.unit();
            seen.theta = v.theta();
            seen.angleUnit = v.angleUnit();
            seen.standardAngles = v.standardAngles();
            seen.sinCos = v.sinCos();
            seen.canDrag = v.canDrag();
            seen.visible = v.isVisible() || v.windowHandle() != nullptr;
            seen.label = v.displayTheta();
            seen.printView = const_cast<OrbelView *>(&v);
            m_seen.push_back(seen);
        });
    }

    void cleanupTestCase() { printing::setPassObserver({}); }

    void init()
    {
        m_seen.clear();
        // Every case starts as a first start would.
        {
            QSettings settings;
            settings.clear();
        }
        platform::Preferences::reset();
        m_window = std::make_unique<MainWindow>();
        m_controller = std::make_unique<Controller>();
        bindController(*m_controller, *m_window);
        m_controller->awakeFromNib();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_controller.reset();
        m_window.reset();
    }

    void sharedSettingsAreOneHighResolutionPrinter()
    {
        QPrinter *first = &printing::sharedPrintInfo();
        QCOMPARE(&printing::sharedPrintInfo(), first);
        // HighResolution: the printer's own resolution, far above the screen's.
        QVERIFY(first->resolution() >= 300);
    }

    void letterPaperGivesTheDocumentedPrintView()
    {
        const QString pdf = prepare();
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        const Seen &seen = m_seen.front();

        QCOMPARE(seen.paperSize, QSizeF(612, 792));
        QCOMPARE(seen.margins, QMarginsF(33, 33, 33, 33));
        QVERIFY(sameBits(seen.width, 546.0f));
        QVERIFY(sameBits(seen.height, 726.0f));
        QVERIFY(sameBits(seen.frame.origin.x, 0.0f) && sameBits(seen.frame.origin.y, 0.0f));
        QVERIFY(sameBits(seen.frame.size.width, 546.0f));
        QVERIFY(sameBits(seen.frame.size.height, 726.0f));
        QVERIFY(sameBits(seen.origin.x, 273.0f));
        QVERIFY(sameBits(seen.origin.y, 363.0f));
        // A quarter of the shorter side: the pass drew for paper, not for the screen.
        QVERIFY(sameBits(seen.unit, 136.5f));
        QVERIFY(!seen.canDrag);
        QVERIFY(!seen.visible);
        // Owned by the request and gone with it.
        QVERIFY(seen.printView.isNull());

        QVERIFY(QFile::exists(pdf));
        const QString info = run(QStringLiteral("pdfinfo"), { pdf });
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("612 x 792 pts")), qPrintable(info));
        // The job is named, and so is the document that Print to File writes.
        QVERIFY2(
            QRegularExpression(QStringLiteral("Title:\\s+Unit Circle\\n")).match(info).hasMatch(),
            qPrintable(info));
        QVERIFY2(
            QRegularExpression(QStringLiteral("Creator:\\s+Unit Circle\\n")).match(info).hasMatch(),
            qPrintable(info));
        QCOMPARE(printer().docName(), QStringLiteral("Unit Circle"));
    }

    void printedLabelMatchesTheWindow_data()
    {
        QTest::addColumn<float>("theta");
        QTest::addColumn<int>("angleUnit");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("notPrinted");

        QTest::newRow("5.0 radians print as 5.00, not -1.28")
            << 5.0f << 0 << QStringLiteral("5.00") << QStringLiteral("5.00")
            << QStringLiteral("1.28");
        QTest::newRow("-1.2 radians keep their sign")
            << -1.2f << 0 << QStringLiteral("\u22121.20") << QStringLiteral("1.20")
            << QStringLiteral("5.08");
        QTest::newRow("pi/2 in degrees prints 90 degrees")
            << float(pi / 2.0) << 1 << QStringLiteral(" 90") + degree
            << QStringLiteral("90") + degree << QStringLiteral("\u03c0");
        QTest::newRow("3pi/4 in radians prints the fraction")
            << float(3.0 * pi / 4.0) << 0 << QStringLiteral("3\u03c0\u22154")
            << QStringLiteral("3\u03c0") << QStringLiteral("135");
    }

    void printedLabelMatchesTheWindow()
    {
        QFETCH(float, theta);
        QFETCH(int, angleUnit);
        QFETCH(QString, label);
        QFETCH(QString, printed);
        QFETCH(QString, notPrinted);

        view().setAngleUnit(angleUnit);
        view().setTheta(theta);
        QCOMPARE(view().displayTheta(), label);

        const QString pdf = prepare();
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        QCOMPARE(m_seen.front().label, view().displayTheta());
        QVERIFY(sameBits(m_seen.front().theta, view().theta()));
        QCOMPARE(m_seen.front().angleUnit, angleUnit);

        const QString text = pageText(pdf);
        QVERIFY2(text.contains(printed), qPrintable(text));
        QVERIFY2(!text.contains(notPrinted), qPrintable(text));
    }

    void marginsAreSetAgainAtEveryRequest()
    {
        prepare();
        QVERIFY(printThroughDialog(true));

        // Someone changes the shared settings between two requests.
        printer().setPageMargins(QMarginsF(10, 20, 30, 40), QPageLayout::Millimeter);
        prepare();
        QVERIFY(printThroughDialog(true));

        QCOMPARE(m_seen.size(), size_t(2));
        for (const Seen &seen : m_seen) {
            QCOMPARE(seen.margins, QMarginsF(33, 33, 33, 33));
            QVERIFY(sameBits(seen.width, 546.0f));
            QVERIFY(sameBits(seen.height, 726.0f));
        }
        // And they stay in the shared settings afterwards.
        const QMarginsF kept = printer().pageLayout().margins(QPageLayout::Point);
        QVERIFY(qAbs(kept.left() - 33) < 0.01 && qAbs(kept.top() - 33) < 0.01);
        QVERIFY(qAbs(kept.right() - 33) < 0.01 && qAbs(kept.bottom() - 33) < 0.01);
    }

    void landscapePaperTurnsThePrintView()
    {
        prepare();
        printer().setPageOrientation(QPageLayout::Landscape);
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        QCOMPARE(m_seen.front().paperSize, QSizeF(792, 612));
        QVERIFY(sameBits(m_seen.front().width, 726.0f));
        QVERIFY(sameBits(m_seen.front().height, 546.0f));
        QVERIFY(sameBits(m_seen.front().unit, 136.5f));
    }

    void printingLeavesTheViewAndThePreferencesAlone()
    {
        // Choices made by the user, so the preferences hold something.
        QTest::mouseClick(m_window->sinCos(), Qt::LeftButton);
        QTest::mouseClick(m_window->degrees(), Qt::LeftButton);
        view().setTheta(2.0f);
        QTRY_VERIFY(fileBytes(settingsPath()).contains("prefs_angleUnit=1"));
        QTest::qWait(50);

        const QByteArray preferences = fileBytes(settingsPath());
        const QDateTime written = QFileInfo(settingsPath()).lastModified();
        const float theta = view().theta();
        const QString label = view().displayTheta();
        const Point point = view().currentPoint();
        const float unit = view().unit();
        const Point origin = view().coordinates().originInFrame();
        const Rect frame = view().frame();

        prepare();
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        QCoreApplication::processEvents();

        QVERIFY(sameBits(view().theta(), theta));
        QCOMPARE(view().displayTheta(), label);
        QVERIFY(view().currentPoint() == point);
        QVERIFY(sameBits(view().unit(), unit));
        QVERIFY(view().coordinates().originInFrame() == origin);
        QVERIFY(sameBits(view().frame().size.width, frame.size.width));
        QVERIFY(sameBits(view().frame().size.height, frame.size.height));
        QCOMPARE(view().angleUnit(), 1);
        QCOMPARE(view().sinCos(), true);
        QCOMPARE(view().standardAngles(), false);
        QCOMPARE(fileBytes(settingsPath()), preferences);
        QCOMPARE(QFileInfo(settingsPath()).lastModified(), written);
        QCOMPARE(platform::Preferences::standard().integerForKey(QStringLiteral("prefs_sinCos")),
                 1);
    }

    void cosineAndSinePrintProjectionsAndPanel_data()
    {
        QTest::addColumn<bool>("sinCos");
        QTest::newRow("cosine and sine on") << true;
        QTest::newRow("cosine and sine off") << false;
    }

    void cosineAndSinePrintProjectionsAndPanel()
    {
        QFETCH(bool, sinCos);
        view().setTheta(float(pi / 6.0));
        view().setSinCos(sinCos);
        view().setStandardAngles(true);

        const QString pdf = prepare();
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        QCOMPARE(m_seen.front().sinCos, sinCos);
        QCOMPARE(m_seen.front().standardAngles, true);

        const QString text = pageText(pdf);
        // The projections' values, and the panel's three lines with the exact values.
        QCOMPARE(text.contains(QStringLiteral("0.866")), sinCos);
        QCOMPARE(text.contains(QStringLiteral("0.500")), sinCos);
        QVERIFY2(text.contains(QStringLiteral("cos(\u03b8) =")) == sinCos, qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("sin(\u03b8) = 1\u22152")), sinCos);
        // cos(pi/6) is the surd, drawn as a radical sign with a bar over the 3.
        QCOMPARE(text.contains(QStringLiteral("\u221a")), sinCos);
        // The reference points name the standard angles in either case.
        QVERIFY2(text.contains(QStringLiteral("5\u03c0")), qPrintable(text));
    }

    // At u = 136.5 the panel is set in 10 points, each line 2.8 x-heights of the font high:
    // about 14.5 points, where Qt's x-height rounded to whole pixels made 16.8.
    void panelLinesArePrintedAtTheFontsOwnLineHeight()
    {
        view().setTheta(float(pi / 6.0));
        view().setSinCos(true);
        const QString pdf = prepare();
        QVERIFY(printThroughDialog(true));
        QCOMPARE(m_seen.size(), size_t(1));
        QVERIFY(sameBits(m_seen.front().unit, 136.5f));

        const QString boxes = run(QStringLiteral("pdftotext"),
                                  { QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                    QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
        // The top of each line's first word: the theta of the first line, cos(θ), sin(θ).
        std::vector<double> tops;
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString text = m.captured(2);
            if (text == QStringLiteral("\u03b8") || text.startsWith(QStringLiteral("cos(\u03b8)"))
                || text.startsWith(QStringLiteral("sin(\u03b8)")))
                tops.push_back(m.captured(1).toDouble());
        }
        QVERIFY2(tops.size() == 3, qPrintable(boxes));
        for (size_t i = 1; i < tops.size(); ++i) {
            const double step = tops[i] - tops[i - 1];
            QVERIFY2(std::fabs(step - 2.8 * 5.16) <= 0.6,
                     qPrintable(QStringLiteral("line %1 is %2 points below the one above")
                                    .arg(i + 1)
                                    .arg(step)));
        }
    }

    void printMenuCommandPrints()
    {
        const QString pdf = prepare();
        QCOMPARE(m_window->printAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QVERIFY(printThroughDialog(true, [this] { m_window->printAction()->trigger(); }));
        QCOMPARE(m_seen.size(), size_t(1));
        QVERIFY(QFile::exists(pdf));
    }

    // The graph across the printable width of the paper and orientation chosen, as high as the
    // designed proportions make it, in the middle of the page.
    void graphPrintsAcrossThePrintableWidth_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QRectF>("graph");
        QTest::newRow("Letter") << false << QRectF(33, 33 + (726 - 204.75) / 2, 546, 204.75);
        QTest::newRow("Letter, landscape")
            << true << QRectF(33, 33 + (546 - 272.25) / 2, 726, 272.25);
    }

    void graphPrintsAcrossThePrintableWidth()
    {
        QFETCH(bool, landscape);
        QFETCH(QRectF, graph);
        QVERIFY(!m_window->printGraphAction()->isEnabled());
        m_window->graphAction()->trigger();
        QVERIFY(m_window->printGraphAction()->isEnabled());
        view().setTheta(float(pi / 6.0));

        std::vector<printing::GraphPrintPass> passes;
        printing::setGraphPassObserver(
            [&passes](const printing::GraphPrintPass &pass) { passes.push_back(pass); });
        const QString pdf = prepare();
        printer().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const bool seen
            = printThroughDialog(true, [this] { m_window->printGraphAction()->trigger(); });
        printing::setGraphPassObserver({});
        QVERIFY(seen);
        // Not the figure: its pass never ran.
        QVERIFY(m_seen.empty());
        QCOMPARE(passes.size(), size_t(1));
        QCOMPARE(passes.front().margins, QMarginsF(33, 33, 33, 33));
        QCOMPARE(passes.front().graph, graph);

        const QString info = run(QStringLiteral("pdfinfo"), { pdf });
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(),
                 qPrintable(info));
        QVERIFY2(QRegularExpression(QStringLiteral("Title:\\s+Unit Circle Graph\\n"))
                     .match(info)
                     .hasMatch(),
                 qPrintable(info));
        const QString text = pageText(pdf);
        for (const QString &expected :
             { QStringLiteral("cos(\u03b8)"), QStringLiteral("sin(\u03b8) = 1\u22152"),
               QStringLiteral("\u22122\u03c0"), QStringLiteral("3\u03c0\u22152") })
            QVERIFY2(text.contains(expected), qPrintable(text));

        // The frame on the paper is where the pass said, within the rendering's pixel.
        const QRectF frame = blackBox(pdf, m_out.filePath(QStringLiteral("graph")));
        QVERIFY2(std::fabs(frame.left() - graph.left()) <= 1.0
                     && std::fabs(frame.right() - graph.right()) <= 1.0
                     && std::fabs(frame.top() - graph.top()) <= 1.0
                     && std::fabs(frame.bottom() - graph.bottom()) <= 1.0,
                 qPrintable(QStringLiteral("frame %1,%2 %3 x %4")
                                .arg(frame.left())
                                .arg(frame.top())
                                .arg(frame.width())
                                .arg(frame.height())));
        // The figure's job keeps its own name.
        QCOMPARE(printer().docName(), QStringLiteral("Unit Circle Graph"));
    }

    void cancelledDialogPrintsNothing()
    {
        const QString pdf = prepare();
        QVERIFY(printThroughDialog(false));
        QVERIFY(m_seen.empty());
        QVERIFY(!QFile::exists(pdf));
    }

    void paperSmallerThanItsMarginsPrintsNothing_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::newRow("too narrow") << QSizeF(60, 400);
        QTest::newRow("too low") << QSizeF(400, 66);
    }

    void paperSmallerThanItsMarginsPrintsNothing()
    {
        QFETCH(QSizeF, paper);
        const QString pdf
            = prepare(QPageSize(paper, QPageSize::Point, QString(), QPageSize::ExactMatch));
        // Such paper leaves the dialog as the paper of the printer: what follows it prints nothing.
        printing::setMargins(printer());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("smaller than")));
        printing::printFigure(printer(), view());
        QVERIFY(m_seen.empty());
        QVERIFY(!QFile::exists(pdf));
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestPrinting)

#include "tst_printing.moc"
