// What `cmake --install` lays out: the program, its ReadMe, and the desktop's entry, icon and
// software-centre description, each valid by the desktop's own checkers where they are installed.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    static QString run(const QString &program, const QStringList &arguments, int *exitCode)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000)) {
            *exitCode = -1;
            return QStringLiteral("did not finish");
        }
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return QString::fromUtf8(process.readAll());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        int code = 0;
        const QString out
            = run(QStringLiteral("cmake"),
                  { QStringLiteral("--install"), QStringLiteral(UNITCIRCLE_BINARY_DIR),
                    QStringLiteral("--prefix"), m_prefix.path() },
                  &code);
        QVERIFY2(code == 0, qPrintable(out));
    }

    void theTreeHoldsWhatItShould_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("the program") << "bin/unitcircle";
        QTest::newRow("the ReadMe") << "share/unitcircle/ReadMe.rtf";
        for (const char *language : { "de", "fr", "es", "pt_BR" })
            QTest::addRow("the ReadMe in %s", language)
                << QStringLiteral("share/unitcircle/%1/ReadMe.rtf").arg(QLatin1String(language));
        QTest::newRow("the manual page") << "share/man/man1/unitcircle.1.gz";
        QTest::newRow("the menu entry")
            << "share/applications/com.marvosoftware.UnitCircle.desktop";
        QTest::newRow("the icon")
            << "share/icons/hicolor/scalable/apps/com.marvosoftware.UnitCircle.svg";
        QTest::newRow("the software-centre description")
            << "share/metainfo/com.marvosoftware.UnitCircle.metainfo.xml";
    }

    void theTreeHoldsWhatItShould()
    {
        QFETCH(QString, path);
        const QFileInfo info(installed(path));
        QVERIFY2(info.exists() && info.size() > 0, qPrintable(info.filePath()));
        if (path.startsWith(QLatin1String("bin/")))
            QVERIFY(info.isExecutable());
    }

    void theDesktopEntryIsValid()
    {
        const QString validator
            = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate (desktop-file-utils) is not installed");
        int code = 0;
        const QString out = run(validator,
                                { installed(QStringLiteral(
                                    "share/applications/com.marvosoftware.UnitCircle.desktop")) },
                                &code);
        QVERIFY2(code == 0 && !out.contains(QLatin1String("error")), qPrintable(out));
    }

    void theMetainfoIsValid()
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (validator.isEmpty())
            QSKIP("appstreamcli (appstream) is not installed");
        int code = 0;
        const QString out
            = run(validator,
                  { QStringLiteral("validate"), QStringLiteral("--no-net"),
                    installed(QStringLiteral(
                        "share/metainfo/com.marvosoftware.UnitCircle.metainfo.xml")) },
                  &code);
        QVERIFY2(code == 0, qPrintable(out));
    }

    // The software centre and the menu name the program in the user's language.
    void theDesktopFilesSpeakEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : { "de", "fr", "es", "pt_BR" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void theDesktopFilesSpeakEveryLanguage()
    {
        QFETCH(QString, language);
        QFile entry(
            installed(QStringLiteral("share/applications/com.marvosoftware.UnitCircle.desktop")));
        QFile metainfo(
            installed(QStringLiteral("share/metainfo/com.marvosoftware.UnitCircle.metainfo.xml")));
        QVERIFY(entry.open(QIODevice::ReadOnly) && metainfo.open(QIODevice::ReadOnly));
        const QString desktop = QString::fromUtf8(entry.readAll());
        const QString xml = QString::fromUtf8(metainfo.readAll());
        for (const QString &key : { QStringLiteral("Name"), QStringLiteral("GenericName"),
                                    QStringLiteral("Comment"), QStringLiteral("Keywords") })
            QVERIFY2(desktop.contains(QStringLiteral("\n%1[%2]=").arg(key, language)),
                     qPrintable(key));
        for (const QString &element :
             { QStringLiteral("name"), QStringLiteral("summary"), QStringLiteral("p") })
            QVERIFY2(xml.contains(QStringLiteral("<%1 xml:lang=\"%2\">").arg(element, language)),
                     qPrintable(element));
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
