// Export of the figure to PNG, SVG and PDF, and what happens when the file cannot be written.
#include "app/figure_export.h"
#include "platform/modules.h"
#include "view/orbel_view.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestFigureExport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_view = std::make_unique<OrbelView>();
        m_view->resize(300, 240);
        m_view->setSinCos(true);
        m_view->setStandardAngles(true);
        m_view->setTheta(0.5235988f);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { m_view.reset(); }

    void formatFollowsTheSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::newRow("png") << QStringLiteral("a/figure.png") << int(FigureFormat::Png);
        QTest::newRow("upper-case svg") << QStringLiteral("figure.SVG") << int(FigureFormat::Svg);
        QTest::newRow("pdf") << QStringLiteral("figure.pdf") << int(FigureFormat::Pdf);
        QTest::newRow("no suffix is a picture")
            << QStringLiteral("figure") << int(FigureFormat::Png);
    }

    void formatFollowsTheSuffix()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        QCOMPARE(int(figureFormatForPath(path)), format);
    }

    void pngIsTwiceTheViewsSizeAndLooksLikeTheScreen()
    {
        const QString path = m_dir.filePath(QStringLiteral("figure.png"));
        QString error;
        QVERIFY2(exportFigure(*m_view, path, FigureFormat::Png, &error), qPrintable(error));
        QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(600, 480));
        // White background inside, the black frame on the edge, the red point at pi/6.
        QCOMPARE(image.pixelColor(20, 240), QColor(Qt::white));
        QCOMPARE(image.pixelColor(0, 240), QColor(Qt::black));
        const QPoint point(qRound(2 * (150 + 80 * 0.8660254)), qRound(2 * (120 - 80 * 0.5)));
        QCOMPARE(image.pixelColor(point), QColor(Qt::red));
    }

    void exportShowsNoFocusRing()
    {
        m_view->setFocus();
        QVERIFY(m_view->hasFocus());
        const QImage image = renderFigure(*m_view, 1.0);
        const QColor ring = m_view->palette().color(QPalette::Highlight);
        for (int x = 10; x < 290; x += 7)
            QVERIFY(image.pixelColor(x, 2) != ring);
        // The screen does show it.
        const QImage screen = m_view->grab().toImage();
        QCOMPARE(screen.pixelColor(150, 2), ring);
    }

    void svgParses()
    {
        const QString path = m_dir.filePath(QStringLiteral("figure.svg"));
        QVERIFY(exportFigure(*m_view, path, FigureFormat::Svg));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 300, 240));
    }

    void pdfHasOnePageOfTheViewsSize()
    {
        const QString path = m_dir.filePath(QStringLiteral("figure.pdf"));
        QVERIFY(exportFigure(*m_view, path, FigureFormat::Pdf));
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), { path });
        QVERIFY(info.waitForFinished());
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Page size:\\s+300 x 240 pts"))),
                 qPrintable(out));

        QProcess text;
        text.start(QStringLiteral("pdftotext"), { path, QStringLiteral("-") });
        QVERIFY(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(words.contains(QStringLiteral("0.866")), qPrintable(words));
    }

    void unwritablePathFailsAndLeavesNothing_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("png") << int(FigureFormat::Png);
        QTest::newRow("svg") << int(FigureFormat::Svg);
        QTest::newRow("pdf") << int(FigureFormat::Pdf);
    }

    void unwritablePathFailsAndLeavesNothing()
    {
        QFETCH(int, format);
        const QString missingFolder = m_dir.filePath(QStringLiteral("no/such/folder/figure"));
        QString error;
        QVERIFY(!exportFigure(*m_view, missingFolder, FigureFormat(format), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(missingFolder));

        if (::geteuid() == 0)
            return; // root writes into read-only folders anyway
        QDir(m_dir.path()).mkdir(QStringLiteral("locked"));
        const QString locked = m_dir.filePath(QStringLiteral("locked"));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(!exportFigure(*m_view, locked + QStringLiteral("/figure"), FigureFormat(format),
                              &error));
        QVERIFY(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QFile::setPermissions(
            locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void aFailedExportKeepsTheOldFile()
    {
        // Writing goes to a temporary file first: the file that is there survives a failure
        // and is replaced only by a complete one.
        const QString path = m_dir.filePath(QStringLiteral("keep.png"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QVERIFY(exportFigure(*m_view, path, FigureFormat::Png));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QStringList left = QDir(m_dir.path()).entryList(QDir::Files);
        for (const QString &name : left)
            QVERIFY2(!name.contains(QStringLiteral("keep.png.")), qPrintable(name));
    }

    // The program finds its modules beside itself (a build tree): the SVG module, loaded as the
    // program loads it, writes a document; a module that is missing or broken is named and
    // explained, never loaded.
    void modulesLoadOnUse_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("loads");
        QTest::newRow("the SVG module built with the program") << QByteArray() << true;
        QTest::newRow("a missing module") << QByteArray("-") << false;
        QTest::newRow("a file that is no library") << QByteArray("not a library") << false;
    }

    void modulesLoadOnUse()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, loads);
        const QString name = loads ? QStringLiteral("unitcircle-svg.so")
                                   : QStringLiteral("unitcircle-test-%1.so").arg(contents.size());
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QFile::remove(beside);
        if (loads)
            QVERIFY(
                QFile::copy(QStringLiteral(UNITCIRCLE_BINARY_DIR "/unitcircle-svg.so"), beside));
        else if (contents != "-") {
            QFile file(beside);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        const auto removeAfter = qScopeGuard([&] { QFile::remove(beside); });

        QString error;
        void *function = platform::moduleFunction(name, "unitcircle_svg_generator", &error);
        QCOMPARE(function != nullptr, loads);
        if (!loads) {
            QVERIFY2(error.contains(name), qPrintable(error));
            return;
        }
        using Entry = QPaintDevice *(*)(QIODevice *, const QSize &, const QString &);
        QBuffer svg;
        QVERIFY(svg.open(QIODevice::WriteOnly));
        {
            std::unique_ptr<QPaintDevice> generator(
                reinterpret_cast<Entry>(function)(&svg, QSize(300, 240), QStringLiteral("t")));
            QPainter painter(generator.get());
            painter.drawLine(0, 0, 300, 240);
        }
        QVERIFY(QSvgRenderer(svg.data()).isValid());
        QCOMPARE(QSvgRenderer(svg.data()).viewBox(), QRect(0, 0, 300, 240));
    }

private:
    std::unique_ptr<OrbelView> m_view;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFigureExport)
#include "tst_figure_export.moc"
