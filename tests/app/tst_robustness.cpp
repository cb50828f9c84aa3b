// Bad input and odd sizes: views too small or very large to draw sensibly, presses before the
// first pass, pointer positions that are not numbers, long drags with repaints, and preferences
// files that are garbage, out of range or unreadable.
#include "geometry_probe.h"
#include "test_support.h"

#include "app/controller.h"
#include "app/main_window.h"
#include "platform/beep.h"
#include "platform/graphics.h"
#include "platform/preferences.h"
#include "view/orbel_view.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr float pi = float(3.141592653589793);
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

void send(QWidget *widget, QEvent::Type type, QPointF local)
{
    const Qt::MouseButtons buttons
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, local, Qt::LeftButton, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(widget, &event);
}

void allOptionsOn(OrbelView &view, float theta)
{
    view.setStandardAngles(true);
    view.setSinCos(true);
    view.setTheta(theta);
}

// One pass into the probe; returns the first non-finite coordinate, or an empty string.
QString probePass(OrbelView &view)
{
    const Rect f = view.frame();
    GeometryProbe probe(int(f.size.width), int(f.size.height));
    QPainter painter(&probe);
    {
        Graphics g(painter, view.coordinates(), true);
        view.drawRect(g);
    }
    painter.end();
    if (probe.primitives() == 0)
        return QStringLiteral("nothing was drawn");
    return probe.firstFault();
}

// One pass rasterised for real, into an image no larger than 512 x 512 (a huge view draws its
// lower-left corner: Qt clips the rest).
void rasterPass(OrbelView &view)
{
    const Rect f = view.frame();
    QImage image(std::clamp(int(f.size.width), 1, 512), std::clamp(int(f.size.height), 1, 512),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Graphics g(painter, view.coordinates(), true);
    view.drawRect(g);
}

// A widget pixel on the circle of a view that has been drawn, at the given angle.
QPointF onCircle(const OrbelView &view, float angle)
{
    const Point origin = view.coordinates().originInFrame();
    const float u = view.unit();
    return QPointF(double(origin.x) + double(u) * std::cos(double(angle)),
                   double(view.frame().size.height)
                       - (double(origin.y) + double(u) * std::sin(double(angle))));
}

QString settingsPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/unitcircle/unitcircle.conf");
}

void writeSettingsFile(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(settingsPath()).path());
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Bytes that are the same on every run.
QByteArray noise(int length, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(length, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// One run of the program as main builds it: the window, its controller, the restored choices.
struct Run
{
    MainWindow window;
    Controller controller;
    Run()
    {
        bindController(controller, window);
        controller.awakeFromNib();
    }
    OrbelView &view() { return *window.orbelView(); }
};

// The state of a first start, whatever the file held: no options, radians; only a well-formed
// cosine-and-sine entry may have survived.
void verifyDefinedStart(Run &run, bool sinCos = false)
{
    QCOMPARE(run.view().standardAngles(), false);
    QCOMPARE(run.view().sinCos(), sinCos);
    QCOMPARE(run.window.sinCos()->isChecked(), sinCos);
    QVERIFY(run.view().angleUnit() != 1);
    QCOMPARE(run.view().displayTheta(), QStringLiteral("0"));
    QVERIFY(!run.window.standardAngles()->isChecked());
}

// Clicks the cosine-and-sine box, flushes the store as the end of the run does, and reads the
// file back on its own.
void verifyNextChangeIsSaved(Run &run)
{
    const bool before = run.view().sinCos();
    run.window.sinCos()->click();
    QCOMPARE(run.view().sinCos(), !before);
    platform::Preferences::reset();
    QSettings stored(settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("prefs_sinCos")).toString(),
             before ? QStringLiteral("0") : QStringLiteral("1"));
}

} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_beeps = 0;
        platform::setBeepHandler([this] { ++m_beeps; });
    }
    void cleanup()
    {
        platform::setBeepHandler({});
        // Whatever a test left where the preferences live, the next finds a writable folder.
        const QString folder = QFileInfo(settingsPath()).path();
        if (QFileInfo(folder).isFile())
            QFile::remove(folder);
        else if (QFileInfo(folder).isDir())
            QFile::setPermissions(
                folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (QFileInfo(settingsPath()).isFile())
            QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void oddSizesDrawFinitely_data();
    void oddSizesDrawFinitely();
    void pressBeforeAnyPaintOnlyBeeps_data();
    void pressBeforeAnyPaintOnlyBeeps();
    void dragToPositionWithoutDirectionKeepsThePoint_data();
    void dragToPositionWithoutDirectionKeepsThePoint();
    void dragFarOutsideTheWindowFollowsItsDirection_data();
    void dragFarOutsideTheWindowFollowsItsDirection();
    void tenThousandDragsWithRepaints();
    void damagedPreferencesStartCleanAndKeepTheNextChange_data();
    void damagedPreferencesStartCleanAndKeepTheNextChange();
    void unreadablePreferencesStartCleanAndKeepTheNextChange();
    void preferencesThatAreNoPlainFileAreNotRead_data();
    void preferencesThatAreNoPlainFileAreNotRead();
    void preferencesThatCannotBeSavedAreSaidOnce_data();
    void preferencesThatCannotBeSavedAreSaidOnce();
    void twoRunningCopiesMergeTheirChanges();

private:
    int m_beeps = 0;
};

void tst_Robustness::oddSizesDrawFinitely_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("theta");

    QTest::newRow("empty view, 0 x 0") << 0.0f << 0.0f << pi / 6.0f;
    QTest::newRow("one pixel, 1 x 1") << 1.0f << 1.0f << pi / 6.0f;
    QTest::newRow("thin column, 3 x 1000") << 3.0f << 1000.0f << pi / 6.0f;
    QTest::newRow("thin row, 1000 x 3") << 1000.0f << 3.0f << -3.0f * pi / 4.0f;
    QTest::newRow("huge, 20000 x 20000") << 20000.0f << 20000.0f << pi / 6.0f;
    QTest::newRow("huge with a decimal angle") << 20000.0f << 20000.0f << 2.0f;
    QTest::newRow("empty view at a full turn") << 0.0f << 0.0f << 6.25f;
}

void tst_Robustness::oddSizesDrawFinitely()
{
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(float, theta);

    OrbelView view(Rect { { 0.0f, 0.0f }, { width, height } });
    allOptionsOn(view, theta);

    const QString fault = probePass(view);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(std::isfinite(view.unit()));
    QVERIFY(std::isfinite(view.displayPoint().x) && std::isfinite(view.displayPoint().y));

    // A second pass, rasterised, after the first placed the origin: still finite and no crash.
    rasterPass(view);
    const QString again = probePass(view);
    QVERIFY2(again.isEmpty(), qPrintable(again));
}

void tst_Robustness::pressBeforeAnyPaintOnlyBeeps_data()
{
    QTest::addColumn<QPointF>("at");

    // The 300 x 240 view will have its centre at (150, 120) and a radius of 80 once drawn.
    QTest::newRow("where the circle will be") << QPointF(230, 120);
    QTest::newRow("at the future centre") << QPointF(150, 120);
    QTest::newRow("at the top-left corner") << QPointF(0, 0);
    QTest::newRow("at the widget's origin offset by the radius") << QPointF(80, 0);
}

void tst_Robustness::pressBeforeAnyPaintOnlyBeeps()
{
    QFETCH(QPointF, at);

    OrbelView view(Rect { { 0.0f, 0.0f }, { 300.0f, 240.0f } });
    const float thetaBefore = view.theta();
    const Point pointBefore = view.currentPoint();

    send(&view, QEvent::MouseButtonPress, at);
    QCOMPARE(m_beeps, 1);
    QVERIFY(!view.canDrag());

    // The drag that follows is not a drag of the point.
    send(&view, QEvent::MouseMove, at + QPointF(0, -40));
    send(&view, QEvent::MouseButtonRelease, at + QPointF(0, -40));
    QCOMPARE(m_beeps, 1);
    QCOMPARE(bits(view.theta()), bits(thetaBefore));
    QCOMPARE(bits(view.currentPoint().x), bits(pointBefore.x));
    QCOMPARE(bits(view.currentPoint().y), bits(pointBefore.y));
    QCOMPARE(view.displayTheta(), QStringLiteral("0"));
}

void tst_Robustness::dragToPositionWithoutDirectionKeepsThePoint_data()
{
    QTest::addColumn<QPointF>("to");

    QTest::newRow("x not a number") << QPointF(double(notANumber), 50.0);
    QTest::newRow("y not a number") << QPointF(50.0, double(notANumber));
    QTest::newRow("neither a number") << QPointF(double(notANumber), double(notANumber));
}

void tst_Robustness::dragToPositionWithoutDirectionKeepsThePoint()
{
    QFETCH(QPointF, to);

    OrbelView view(Rect { { 0.0f, 0.0f }, { 300.0f, 240.0f } });
    allOptionsOn(view, 0.0f);
    rasterPass(view);

    send(&view, QEvent::MouseButtonPress, onCircle(view, 2.0f));
    QVERIFY(view.canDrag());
    const float theta = view.theta();
    const Point point = view.currentPoint();
    const QString label = view.displayTheta();

    send(&view, QEvent::MouseMove, to);
    QCOMPARE(bits(view.theta()), bits(theta));
    QCOMPARE(bits(view.currentPoint().x), bits(point.x));
    QCOMPARE(bits(view.currentPoint().y), bits(point.y));
    QCOMPARE(view.displayTheta(), label);

    // The drag goes on from there, and the figure stays finite throughout.
    send(&view, QEvent::MouseButtonRelease, to);
    QString fault = probePass(view);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    send(&view, QEvent::MouseButtonPress, onCircle(view, 2.0f));
    send(&view, QEvent::MouseMove, onCircle(view, -0.3f));
    QVERIFY(std::fabs(double(view.theta()) - 2.0 * 3.141592653589793 + 0.3) < 1e-5);
    fault = probePass(view);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void tst_Robustness::dragFarOutsideTheWindowFollowsItsDirection_data()
{
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<float>("expected");

    QTest::newRow("infinitely far to the right") << QPointF(double(infinity), 120.0) << 0.0f;
    QTest::newRow("infinitely far up") << QPointF(150.0, -double(infinity)) << pi / 2.0f;
    QTest::newRow("far beyond float range to the left") << QPointF(-1e300, 120.0) << pi;
    QTest::newRow("infinitely far up and to the right")
        << QPointF(double(infinity), -double(infinity)) << pi / 4.0f;
}

void tst_Robustness::dragFarOutsideTheWindowFollowsItsDirection()
{
    QFETCH(QPointF, to);
    QFETCH(float, expected);

    OrbelView view(Rect { { 0.0f, 0.0f }, { 300.0f, 240.0f } });
    allOptionsOn(view, 0.0f);
    rasterPass(view);

    send(&view, QEvent::MouseButtonPress, onCircle(view, 0.3f));
    QVERIFY(view.canDrag());
    send(&view, QEvent::MouseMove, to);
    QVERIFY2(std::fabs(double(view.theta()) - double(expected)) < 1e-6,
             qPrintable(QString::number(double(view.theta()), 'g', 9)));
    const Point p = view.currentPoint();
    QVERIFY(std::fabs(double(p.x) * p.x + double(p.y) * p.y - 1.0) < 1e-6);

    send(&view, QEvent::MouseButtonRelease, to);
    const QString fault = probePass(view);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Memory over this run is measured by hand (heaptrack); here the angle must stay in range and
// labelled through 10,000 drags, each repainted through a real paint event.
void tst_Robustness::tenThousandDragsWithRepaints()
{
    OrbelView view(Rect { { 0.0f, 0.0f }, { 320.0f, 240.0f } });
    allOptionsOn(view, 0.0f);
    QImage image(320, 240, QImage::Format_ARGB32_Premultiplied);
    view.render(&image);

    send(&view, QEvent::MouseButtonPress, onCircle(view, 0.0f));
    QVERIFY(view.canDrag());
    const double bound = 2.0 * 3.141592653589793 + 1e-6;
    for (int i = 1; i <= 10000; ++i) {
        // Round and round, counter-clockwise for the first half and back again for the second.
        const int step = i <= 5000 ? i : 10000 - i;
        send(&view, QEvent::MouseMove, onCircle(view, float(step) * 0.0123f));
        view.render(&image);
        if (!(std::fabs(double(view.theta())) <= bound))
            QFAIL(qPrintable(QStringLiteral("theta %1 after drag %2").arg(view.theta()).arg(i)));
    }
    send(&view, QEvent::MouseButtonRelease, onCircle(view, 0.0f));
    view.render(&image);
    QCOMPARE(view.displayTheta(), QStringLiteral("0"));
}

void tst_Robustness::damagedPreferencesStartCleanAndKeepTheNextChange_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("sinCos");

    static const char keyWithNul[] = "prefs_sin\0Cos=1\nprefs_angleUnit=\0\n";
    QTest::newRow("random bytes") << noise(4096, 1) << false;
    QTest::newRow("random bytes after a valid header")
        << QByteArray("[General]\nprefs_sinCos=1\n").append(noise(512, 2)).append("\n[General]\n")
        << true;
    QTest::newRow("integers too large for an int")
        << QByteArray("[General]\nprefs_standardAngles=99999999999999999999\n"
                      "prefs_sinCos=4294967297\nprefs_angleUnit=2147483648\n")
        << false;
    QTest::newRow("negative integers")
        << QByteArray("[General]\nprefs_standardAngles=-1\nprefs_sinCos=-2147483648\n"
                      "prefs_angleUnit=-1\n")
        << false;
    QTest::newRow("a NUL in the middle of a key")
        << QByteArray(keyWithNul, sizeof keyWithNul - 1) << false;
    QTest::newRow("empty file") << QByteArray() << false;
    // Qt's own INI reader deserializes a value of this form and reserves the 840 million
    // entries its bytes claim; read as text it is just not an integer.
    QTest::newRow("a serialized value that names a huge list")
        << QByteArray("[General]\nprefs_sinCos=@Variant(\\0\\0\\0\\v20\\\\0\\x1)\n"
                      "prefs_angleUnit=1, 2\nprefs_standardAngles=0x1\n")
        << false;
    QTest::newRow("a quoted integer reads as the integer")
        << QByteArray("[General]\nprefs_sinCos=\"1\"\n") << true;
}

void tst_Robustness::damagedPreferencesStartCleanAndKeepTheNextChange()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, sinCos);
    writeSettingsFile(content);
    platform::Preferences::reset();

    Run run;
    verifyDefinedStart(run, sinCos);
    if (QTest::currentTestFailed())
        return;
    verifyNextChangeIsSaved(run);
}

// Another running copy writes its change after this one has read the file; this copy's own
// change joins it instead of overwriting it, and what neither knows is kept as it stood.
void tst_Robustness::twoRunningCopiesMergeTheirChanges()
{
    writeSettingsFile("[General]\nprefs_sinCos=0\n\n[Other]\nnote=@Variant(\\0\\0\\0\\x1)\n");
    platform::Preferences::reset();
    platform::Preferences &mine = platform::Preferences::standard();
    QCOMPARE(mine.integerForKey(QStringLiteral("prefs_sinCos")), 0);

    writeSettingsFile("[General]\nprefs_angleUnit=1\nprefs_sinCos=0\n\n"
                      "[Other]\nnote=@Variant(\\0\\0\\0\\x1)\n");
    mine.setInteger(1, QStringLiteral("prefs_sinCos"));
    platform::Preferences::reset();

    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("[General]\nprefs_angleUnit=1\nprefs_sinCos=1\n\n"
                        "[Other]\nnote=@Variant(\\0\\0\\0\\x1)\n"));
}

// A file the user may not read (as root, checked under an unprivileged user id, since root reads
// everything): the program starts as on a first run, and the next change still reaches storage.
void tst_Robustness::unreadablePreferencesStartCleanAndKeepTheNextChange()
{
    writeSettingsFile("[General]\nprefs_sinCos=1\nprefs_standardAngles=1\nprefs_angleUnit=1\n");
    const QString directory = QFileInfo(settingsPath()).path();
    const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::WriteOther
        | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(qEnvironmentVariable("XDG_CONFIG_HOME"), open));
    QVERIFY(QFile::setPermissions(directory, open));
    QVERIFY(QFile::setPermissions(settingsPath(), {}));

    const bool root = geteuid() == 0;
    if (root)
        QVERIFY(seteuid(65534) == 0);
    QVERIFY2(!QFile(settingsPath()).open(QIODevice::ReadOnly), "the file is still readable");
    platform::Preferences::reset();
    {
        Run run;
        verifyDefinedStart(run);
        run.window.sinCos()->click();
        QCOMPARE(run.view().sinCos(), true);
        platform::Preferences::reset();
    }
    if (root)
        QVERIFY(seteuid(0) == 0);

    QVERIFY(
        QFile::setPermissions(settingsPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QSettings stored(settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("prefs_sinCos")).toString(), QStringLiteral("1"));
}

namespace {

// The messages of the run so far about the preferences, as the user reads them.
QStringList preferencesMessages(Run &run)
{
    QStringList said;
    for (QMessageBox *box : run.window.findChildren<QMessageBox *>())
        if (box->text().contains(QLatin1String("choices")))
            said << box->text() + QLatin1Char(' ') + box->informativeText();
    return said;
}

void removeSettingsPath()
{
    const QFileInfo info(settingsPath());
    if (info.isDir())
        QDir(settingsPath()).removeRecursively();
    else
        QFile::remove(settingsPath());
}

} // namespace

// A folder, a pipe or a huge file where the preferences belong: never opened for reading (a pipe
// would block the start for good, a huge file fill the memory), the defaults instead, said once.
// A huge file gives way to the next change; anything else is left as it is.
void tst_Robustness::preferencesThatAreNoPlainFileAreNotRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("is not a file");
    QTest::newRow("a pipe with no writer")
        << QStringLiteral("pipe") << QStringLiteral("is not a file");
    QTest::newRow("a file of 2 MiB") << QStringLiteral("huge") << QStringLiteral("far larger");
}

void tst_Robustness::preferencesThatAreNoPlainFileAreNotRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    removeSettingsPath();
    QDir().mkpath(QFileInfo(settingsPath()).path());
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(settingsPath()));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
    } else {
        QByteArray line("prefs_sinCos=1\n");
        writeSettingsFile(QByteArray("[General]\n") + line.repeated(2 * 1024 * 1024 / line.size()));
    }
    platform::Preferences::reset();
    {
        Run run;
        verifyDefinedStart(run);
        QTRY_COMPARE(preferencesMessages(run).size(), 1);
        const QString said = preferencesMessages(run).constFirst();
        QVERIFY2(said.contains(settingsPath()) && said.contains(reason), qPrintable(said));
        run.window.sinCos()->click();
        QTest::qWait(50);
        QCOMPARE(preferencesMessages(run).size(), 1);
        platform::Preferences::reset();
    }
    const QFileInfo after(settingsPath());
    if (kind == QLatin1String("huge")) {
        QVERIFY(after.isFile() && after.size() < 1024);
        QSettings stored(settingsPath(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("prefs_sinCos")).toString(), QStringLiteral("1"));
    } else {
        QCOMPARE(after.isDir(), kind == QLatin1String("folder"));
        QVERIFY(after.exists() && !after.isFile());
    }
    removeSettingsPath();
    platform::Preferences::reset();
}

// Writing fails: the user is told at the first change, naming the file and why, and only once
// however many changes follow; what the file held is not replaced by anything partial.
void tst_Robustness::preferencesThatCannotBeSavedAreSaidOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a read-only folder")
        << QStringLiteral("read-only") << QStringLiteral("read-only");
    QTest::newRow("a file where the folder belongs")
        << QStringLiteral("file as folder") << QStringLiteral("not a file or folder");
}

void tst_Robustness::preferencesThatCannotBeSavedAreSaidOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString folder = QFileInfo(settingsPath()).path();
    const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner
        | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(qEnvironmentVariable("XDG_CONFIG_HOME"), open));
    const bool readOnlyCase = kind == QLatin1String("read-only");
    if (readOnlyCase) {
        writeSettingsFile("[General]\nprefs_standardAngles=1\n");
        QVERIFY(QFile::setPermissions(settingsPath(), readOnly));
        QVERIFY(QFile::setPermissions(folder, readOnly));
    } else {
        QDir(folder).removeRecursively();
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    {
        // Root writes everywhere: the folder is read-only for an unprivileged user. Root again
        // afterwards, whatever fails in between.
        struct Unprivileged
        {
            bool was = false;
            ~Unprivileged()
            {
                if (was)
                    QVERIFY(seteuid(0) == 0);
            }
        } unprivileged;
        if (readOnlyCase && geteuid() == 0) {
            QVERIFY(seteuid(65534) == 0);
            unprivileged.was = true;
        }

        platform::Preferences::reset();
        {
            Run run;
            run.window.sinCos()->click();
            QTRY_COMPARE(preferencesMessages(run).size(), 1);
            run.window.standardAngles()->click();
            QTest::qWait(50);
            QCOMPARE(preferencesMessages(run).size(), 1);
            const QString said = preferencesMessages(run).constFirst();
            QVERIFY2(said.contains(QLatin1String("could not be saved"))
                         && said.contains(settingsPath()) && said.contains(reason),
                     qPrintable(said));
            QVERIFY(!platform::Preferences::standard().sync());
            platform::Preferences::reset();
        }
    }
    if (readOnlyCase) {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[General]\nprefs_standardAngles=1\n"));
    }
}

UNITCIRCLE_TEST_MAIN_WITH_PREFERENCES(tst_Robustness)
#include "tst_robustness.moc"
