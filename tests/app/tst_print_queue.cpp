// Printing through a real print queue: the CUPS scheduler (started here when it is not running)
// with a cups-pdf queue of its own, whose default paper is A5 and then A4; the print dialog
// accepted as it opens; and the PDF file that the queue writes, read back with poppler: its paper,
// its one page, the circle's radius and centre, and its name after the job's title; and the
// graph's page, across the printable width.
#include "app/controller.h"
#include "app/main_window.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace {

struct Result
{
    int exitCode = -1;
    QString output;
};

Result run(const QString &program, const QStringList &arguments, int timeout = 30000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeout)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()) };
}

bool schedulerRunning()
{
    return run(QStringLiteral("lpstat"), { QStringLiteral("-r") })
        .output.contains(QStringLiteral("is running"));
}

// Where cups-pdf puts the jobs of this user: its Out setting, ${HOME} being the user's home.
QString outputDirectory()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : conf.readAll().split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.startsWith("Out ") || trimmed.startsWith("Out\t"))
                out = QString::fromUtf8(trimmed.mid(4).trimmed());
        }
    }
    const passwd *user = getpwuid(getuid());
    return out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
}

// The printed circle: the only dark grey of a figure at angle 0 with no options. Its radius and
// centre in points, from the page rendered at two pixels a point.
struct Circle
{
    double radius = 0.0;
    QPointF centre;
    QSizeF page;
};

std::optional<Circle> printedCircle(const QString &pdf, const QString &scratch)
{
    const QString stem = scratch + QStringLiteral("/page");
    if (run(QStringLiteral("pdftoppm"),
            { QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
              QStringLiteral("-singlefile"), pdf, stem })
            .exitCode
        != 0)
        return std::nullopt;
    QImage image(stem + QStringLiteral(".png"));
    if (image.isNull())
        return std::nullopt;
    image = image.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            if (std::max({ r, g, b }) - std::min({ r, g, b }) <= 12 && r < 110)
                box |= QRect(x, y, 1, 1);
        }
    }
    if (box.isEmpty())
        return std::nullopt;
    const double scale = 2.0; // pixels a point
    Circle circle;
    // The line is a point wide: half of it lies beyond the radius.
    circle.radius = (box.width() + box.height()) / 4.0 / scale - 0.5;
    circle.centre = QPointF((box.left() + box.right() + 1) / 2.0 / scale,
                            (box.top() + box.bottom() + 1) / 2.0 / scale);
    circle.page = QSizeF(image.width() / scale, image.height() / scale);
    return circle;
}

} // namespace

class TestPrintQueue : public QObject
{
    Q_OBJECT

private:
    QString m_queue = QStringLiteral("UnitCircleTest%1").arg(QCoreApplication::applicationPid());
    QString m_out;
    std::unique_ptr<QProcess> m_scheduler;
    QTemporaryDir m_scratch;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Controller> m_controller;

    // Sends print: (or the command given) and accepts the dialog as it opens. Answers whether a
    // dialog was seen.
    bool printAcceptingTheDialog(const std::function<void()> &send = {},
                                 const std::function<void()> &beforeAccepting = {})
    {
        bool seen = false;
        QTimer poll;
        int ticks = 0;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                seen = true;
                poll.stop();
                if (beforeAccepting)
                    beforeAccepting();
                dialog->accept();
            } else if (++ticks > 2000) {
                poll.stop();
            }
        });
        poll.start(10);
        if (send)
            send();
        else
            m_controller->print();
        poll.stop();
        return seen;
    }

    // The file of the job that went through the queue since before, copied into the scratch
    // folder; empty when none came.
    QString awaitJob(const QStringList &before)
    {
        QString pdf;
        QElapsedTimer waited;
        waited.start();
        while (pdf.isEmpty() && waited.elapsed() < 90000) {
            QTest::qWait(250);
            const bool queued = !run(QStringLiteral("lpstat"), { QStringLiteral("-o"), m_queue })
                                     .output.trimmed()
                                     .isEmpty();
            for (const QString &file : jobFiles())
                if (!before.contains(file) && !queued)
                    pdf = QDir(m_out).filePath(file);
        }
        if (pdf.isEmpty())
            return pdf;
        const QString copy = m_scratch.filePath(QFileInfo(pdf).fileName());
        QFile::copy(pdf, copy);
        QFile::remove(pdf);
        return copy;
    }

    QStringList jobFiles() const
    {
        return QDir(m_out).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Time);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        for (const char *tool : { "lpstat", "lpadmin", "pdfinfo", "pdftoppm" })
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") });
        QVERIFY2(!cupsd.isEmpty(), "cupsd is missing; scripts/install-deps.sh installs cups");

        if (!schedulerRunning()) {
            // In the foreground, as a child of this test, so that it ends with it.
            m_scheduler = std::make_unique<QProcess>();
            m_scheduler->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_scheduler->start(cupsd, { QStringLiteral("-f") });
            QVERIFY2(m_scheduler->waitForStarted(10000), "cupsd did not start");
            QElapsedTimer waited;
            waited.start();
            while (!schedulerRunning() && waited.elapsed() < 20000)
                QTest::qWait(200);
            QVERIFY2(schedulerRunning(), "the scheduler never answered");
        }
        const Result added
            = run(QStringLiteral("lpadmin"),
                  { QStringLiteral("-p"), m_queue, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                    QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd") });
        QVERIFY2(added.exitCode == 0, qPrintable(added.output));
        // The queue is this process's default (CUPS reads PRINTER), not the machine's.
        qputenv("PRINTER", m_queue.toLocal8Bit());
        m_out = outputDirectory();

        m_window = std::make_unique<MainWindow>();
        m_controller = std::make_unique<Controller>();
        bindController(*m_controller, *m_window);
        m_controller->awakeFromNib();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        m_controller.reset();
        m_window.reset();
        run(QStringLiteral("lpadmin"), { QStringLiteral("-x"), m_queue });
        if (m_scheduler) {
            m_scheduler->terminate();
            if (!m_scheduler->waitForFinished(10000)) {
                m_scheduler->kill();
                m_scheduler->waitForFinished();
            }
        }
    }

    // A5 first, then A4: the paper of the earlier job must not carry over to the next.
    void printsOnTheQueuesPaper_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("A5") << QStringLiteral("A5") << QSizeF(419.53, 595.28);
        QTest::newRow("A4 after A5") << QStringLiteral("A4") << QSizeF(595.28, 841.89);
    }

    void printsOnTheQueuesPaper()
    {
        QFETCH(QString, paper);
        QFETCH(QSizeF, size);

        const Result set = run(QStringLiteral("lpadmin"),
                               { QStringLiteral("-p"), m_queue, QStringLiteral("-o"),
                                 QStringLiteral("PageSize=") + paper });
        QVERIFY2(set.exitCode == 0, qPrintable(set.output));
        const QStringList before = jobFiles();

        QVERIFY(printAcceptingTheDialog());

        // The queue writes the file when the job has gone through; its name is the job's title.
        const QString copy = awaitJob(before);
        QVERIFY2(!copy.isEmpty(), qPrintable(QStringLiteral("no new file in ") + m_out));
        const QString name = QFileInfo(copy).fileName();

        const QString info = run(QStringLiteral("pdfinfo"), { copy }).output;
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(),
                 qPrintable(info));
        const QRegularExpressionMatch pageSize
            = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"))
                  .match(info);
        QVERIFY2(pageSize.hasMatch(), qPrintable(info));
        // Ghostscript, behind cups-pdf, writes the paper in whole points.
        const QSizeF printed(pageSize.captured(1).toDouble(), pageSize.captured(2).toDouble());
        QVERIFY2(std::fabs(printed.width() - size.width()) <= 2.0
                     && std::fabs(printed.height() - size.height()) <= 2.0,
                 qPrintable(info));

        // A quarter of the shorter side of the printable area, in the middle of the paper.
        const std::optional<Circle> circle = printedCircle(copy, m_scratch.path());
        QVERIFY2(circle, "no circle on the page");
        const double expected = (std::min(size.width(), size.height()) - 66.0) / 4.0;
        QVERIFY2(
            std::fabs(circle->radius - expected) <= 1.5,
            qPrintable(QStringLiteral("radius %1, expected %2").arg(circle->radius).arg(expected)));
        qInfo("radius %.2f, centre (%.2f, %.2f) on %s", circle->radius, circle->centre.x(),
              circle->centre.y(), qPrintable(pageSize.captured(0)));
        const QPointF middle(printed.width() / 2.0, printed.height() / 2.0);
        QVERIFY2(QLineF(circle->centre, middle).length() <= 2.0,
                 qPrintable(QStringLiteral("centre (%1, %2), paper's middle (%3, %4)")
                                .arg(circle->centre.x())
                                .arg(circle->centre.y())
                                .arg(middle.x())
                                .arg(middle.y())));
        // cups-pdf names the file after the job's title.
        QVERIFY2(name.startsWith(QStringLiteral("Unit_Circle")), qPrintable(name));
    }

    // The graph's page on the queue's A4: its frame from margin to margin, one page, the job
    // named after the graph.
    void printsTheGraphAcrossTheQueuesPaper()
    {
        const Result set = run(
            QStringLiteral("lpadmin"),
            { QStringLiteral("-p"), m_queue, QStringLiteral("-o"), QStringLiteral("PageSize=A4") });
        QVERIFY2(set.exitCode == 0, qPrintable(set.output));
        m_window->graphAction()->trigger();
        QTRY_VERIFY(m_window->printGraphAction()->isEnabled());
        const QStringList before = jobFiles();
        QVERIFY(printAcceptingTheDialog([this] { m_window->printGraphAction()->trigger(); }));
        const QString pdf = awaitJob(before);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new file in ") + m_out));
        const QString name = QFileInfo(pdf).fileName();
        QVERIFY2(name.startsWith(QStringLiteral("Unit_Circle"))
                     && name.contains(QStringLiteral("Graph")),
                 qPrintable(name));

        const QString info = run(QStringLiteral("pdfinfo"), { pdf }).output;
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(),
                 qPrintable(info));
        const QString stem = m_scratch.filePath(QStringLiteral("graph"));
        QVERIFY(run(QStringLiteral("pdftoppm"),
                    { QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                      QStringLiteral("-singlefile"), pdf, stem })
                    .exitCode
                == 0);
        const QImage image
            = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 40)
                    box |= QRect(x, y, 1, 1);
        const double left = box.left() / 2.0, right = (box.right() + 1) / 2.0;
        const double paper = image.width() / 2.0;
        qInfo("graph from %.2f to %.2f points on paper %.2f points wide, %.2f points high", left,
              right, paper, (box.height()) / 2.0);
        QVERIFY2(std::fabs(left - 33.0) <= 2.0 && std::fabs(right - (paper - 33.0)) <= 2.0,
                 qPrintable(QStringLiteral("from %1 to %2 of %3").arg(left).arg(right).arg(paper)));
        m_window->graphAction()->trigger();
    }

    // A queue that cannot take the job: the user is told, naming the printer, nothing comes out,
    // and the program runs on. The queue is made to refuse by the print system's own tools, the
    // last one while the dialog is open.
    void aFailedPrintIsSaid_data()
    {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        for (const bool graph : { false, true }) {
            const char *what = graph ? "graph, " : "figure, ";
            QTest::newRow(QByteArray(what).append("queue rejecting jobs").constData())
                << graph << QStringLiteral("reject") << QStringLiteral("not accepting jobs");
            QTest::newRow(QByteArray(what).append("queue stopped").constData())
                << graph << QStringLiteral("stop") << QStringLiteral("stopped");
            QTest::newRow(QByteArray(what).append("queue deleted under the dialog").constData())
                << graph << QStringLiteral("delete") << QStringLiteral("no longer exists");
        }
    }
    void aFailedPrintIsSaid()
    {
        QFETCH(bool, graph);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        if (graph) {
            m_window->graphAction()->setChecked(true);
            QTRY_VERIFY(m_window->printGraphAction()->isEnabled());
        }
        const auto restore = [this] {
            run(QStringLiteral("lpadmin"),
                { QStringLiteral("-p"), m_queue, QStringLiteral("-E"), QStringLiteral("-v"),
                  QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                  QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd") });
            run(QStringLiteral("cupsaccept"), { m_queue });
            run(QStringLiteral("cupsenable"), { m_queue });
        };
        if (fault == QLatin1String("reject"))
            QCOMPARE(run(QStringLiteral("cupsreject"), { m_queue }).exitCode, 0);
        else if (fault == QLatin1String("stop"))
            QCOMPARE(run(QStringLiteral("cupsdisable"), { m_queue }).exitCode, 0);
        const QStringList before = jobFiles();
        QVERIFY(printAcceptingTheDialog(
            [&] { graph ? m_controller->printGraph() : m_controller->print(); },
            [&] {
                if (fault == QLatin1String("delete"))
                    run(QStringLiteral("lpadmin"), { QStringLiteral("-x"), m_queue });
            }));

        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = m_window->findChild<QMessageBox *>()) != nullptr);
        const QString said = box->text() + QLatin1Char(' ') + box->informativeText();
        box->accept();
        restore();
        if (graph)
            m_window->graphAction()->setChecked(false);
        QVERIFY2(said.contains(m_queue) && said.contains(reason), qPrintable(said));
        QTest::qWait(1500);
        QCOMPARE(jobFiles(), before);
        QVERIFY(m_window->isVisible());
    }
};

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(TestPrintQueue)

#include "tst_print_queue.moc"
