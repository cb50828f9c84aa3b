// The window's Export Figure and Copy Figure commands: the file dialog's choice of format, the
// message when the file cannot be written, and the picture on the clipboard.
#include "app/controller.h"
#include "app/main_window.h"
#include "view/orbel_view.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Runs what with the next modal widget once it is up.
void whenModal(std::function<void(QWidget *)> what)
{
    QTimer::singleShot(0, [what] {
        if (QWidget *modal = QApplication::activeModalWidget())
            what(modal);
        else
            whenModal(what);
    });
}

} // namespace

class TestFigureCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }

    void init()
    {
        m_window = std::make_unique<MainWindow>();
        m_controller = std::make_unique<Controller>();
        bindController(*m_controller, *m_window);
        m_controller->awakeFromNib();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->orbelView()->setTheta(0.5235988f);
        QVERIFY(m_dir.isValid());
    }

    void cleanup()
    {
        m_controller.reset();
        m_window.reset();
    }

    void theWindowHasTheCommands()
    {
        QCOMPARE(m_window->copyAction()->shortcut(), QKeySequence(QKeySequence::Copy));
        QVERIFY(m_window->exportAction()->text().contains(QStringLiteral("Export Figure")));
        // The icon is set once the figure has been painted.
        m_window->show();
        QTRY_VERIFY(!m_window->windowIcon().isNull());
    }

    // The icon's pictures are the drawing of the program's SVG icon at their sizes: one left
    // behind when the drawing changes would show the old icon in the title bar and task bar.
    void theIconIsTheSvgAtEachSize()
    {
        QSvgRenderer svg(QStringLiteral(UNITCIRCLE_SOURCE_DIR
                                        "/resources/com.marvosoftware.UnitCircle.svg"));
        QVERIFY(svg.isValid());
        const QIcon icon = MainWindow::programIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.size(), 6);
        for (const QSize &size : sizes) {
            QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            const QImage shown = icon.pixmap(size).toImage().convertToFormat(drawn.format());
            // On a change of the SVG, its drawing by QSvgRenderer at each size goes to
            // resources/icons/ (as this test draws it).
            QVERIFY2(shown == drawn,
                     qPrintable(QStringLiteral("the %1-px picture is not the SVG's drawing")
                                    .arg(size.width())));
        }
    }

    void theChosenFilterDecidesTheFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");

        QTest::newRow("a bare name in the SVG filter") << "drawing" << 1 << "drawing.svg";
        QTest::newRow("a bare name in the PDF filter") << "page" << 2 << "page.pdf";
        QTest::newRow("a typed suffix wins over the filter") << "pic.png" << 2 << "pic.png";
    }

    void theChosenFilterDecidesTheFormat()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, written);

        const QString folder = m_dir.path();
        whenModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(folder);
            dialog->selectNameFilter(dialog->nameFilters().at(filter));
            emit dialog->filterSelected(dialog->nameFilters().at(filter));
            dialog->selectFile(typed);
            static_cast<QDialog *>(dialog)->accept();
        });
        m_window->exportAction()->trigger();

        const QString path = m_dir.filePath(written);
        QVERIFY2(QFile::exists(path), qPrintable(QDir(folder).entryList().join(QLatin1Char(' '))));
        if (written.endsWith(QLatin1String(".svg")))
            QVERIFY(QSvgRenderer(path).isValid());
        else if (written.endsWith(QLatin1String(".png")))
            QVERIFY(!QImage(path).isNull());
        else
            QVERIFY(QFile(path).size() > 0);
    }

    void aCancelledDialogWritesNothing()
    {
        const QString folder = m_dir.path();
        const QStringList before = QDir(folder).entryList(QDir::Files);
        whenModal([folder](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(folder);
            dialog->selectFile(QStringLiteral("never.png"));
            dialog->reject();
        });
        m_window->exportAction()->trigger();
        QCOMPARE(QDir(folder).entryList(QDir::Files), before);
    }

    void anUnwritableFileIsExplained()
    {
        const QString path = m_dir.filePath(QStringLiteral("missing/folder/figure.png"));
        QString message;
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            message = box->text();
            box->accept();
        });
        QVERIFY(!m_controller->exportFigureTo(path));
        QVERIFY2(message.contains(QStringLiteral("figure.png")), qPrintable(message));
        // The reason is part of the message, not just the failure.
        QVERIFY2(message.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() >= 2,
                 qPrintable(message));
        QVERIFY(!QFile::exists(path));
    }

    void copyPutsThePictureOnTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        m_window->copyAction()->trigger();
        const QImage image = QGuiApplication::clipboard()->image();
        QVERIFY(!image.isNull());
        const QSize viewSize = m_window->orbelView()->size();
        QCOMPARE(image.size(), viewSize * 2);
        QCOMPARE(image.pixelColor(10, image.height() / 2), QColor(Qt::white));
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Controller> m_controller;
};

QTEST_MAIN(TestFigureCommands)
#include "tst_figure_commands.moc"
