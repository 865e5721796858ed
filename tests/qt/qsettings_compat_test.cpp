// Skyglass2.conf as Qt's QSettings (IniFormat) sees it: QSettings reads what the program
// writes, and the program reads what QSettings writes.
#include "settings/extra_settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace sg;

class QSettingsCompatTest : public QObject {
    Q_OBJECT

private slots:
    void qsettingsReadsTheFileTheProgramWrites_data();
    void qsettingsReadsTheFileTheProgramWrites();
    void programReadsTheFileQSettingsWrites_data();
    void programReadsTheFileQSettingsWrites();
};

namespace {

// A file of its own for each row: QSettings keeps what it read of a path, and two rows
// written within the same moment would look unchanged to it.
struct SettingsFile {
    QTemporaryDir dir;
    std::filesystem::path path() const
    {
        return std::filesystem::path(dir.path().toStdString()) / kExtraSettingsFileName;
    }
};

void addCategories()
{
    QTest::addColumn<QString>("category");
    for (const char* text : { "Radar", " lead and trail ", "a,b;c=d", "q\"uo\\te",
             "M\xC3\xA9t\xC3\xA9o \xD0\x9F", "@at", "tab\tline\nx",
             "c\x01"
             "d0",
             "" })
        QTest::newRow(text) << QString::fromUtf8(text);
}

} // namespace

void QSettingsCompatTest::qsettingsReadsTheFileTheProgramWrites_data()
{
    addCategories();
}

void QSettingsCompatTest::qsettingsReadsTheFileTheProgramWrites()
{
    QFETCH(QString, category);
    const SettingsFile f;
    const auto path = [&f] { return f.path(); };
    const ExtraSettings s { category.toStdString(), 3600, false, true };
    QVERIFY(saveExtraSettingsFile(path(), s));

    QSettings qt(QString::fromStdString(path().string()), QSettings::IniFormat);
    QCOMPARE(qt.status(), QSettings::NoError);
    QCOMPARE(qt.value("SlideshowCategory").toString(), category);
    QCOMPARE(qt.value("SlideshowDwellSeconds").toInt(), 3600);
    QCOMPARE(qt.value("RefreshRecovery").toBool(), false);
    QCOMPARE(qt.value("LogSecurePages").toBool(), true);
    QCOMPARE(qt.allKeys().size(), 4);
}

void QSettingsCompatTest::programReadsTheFileQSettingsWrites_data()
{
    addCategories();
}

void QSettingsCompatTest::programReadsTheFileQSettingsWrites()
{
    QFETCH(QString, category);
    const SettingsFile f;
    const auto path = [&f] { return f.path(); };
    {
        QSettings qt(QString::fromStdString(path().string()), QSettings::IniFormat);
        qt.setValue("SlideshowCategory", category);
        qt.setValue("SlideshowDwellSeconds", 45);
        qt.setValue("RefreshRecovery", false);
        qt.setValue("LogSecurePages", true);
        qt.setValue("Window/Zoom", 1.5);
    }
    const auto read = readExtraSettingsFile(path());
    QVERIFY(read.has_value());
    QCOMPARE(*read, (ExtraSettings { category.toStdString(), 45, false, true }));

    // Writing the same values back gives QSettings' bytes, its other keys kept.
    QFile file(QString::fromStdString(path().string()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    QVERIFY(saveExtraSettingsFile(path(), *read));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

QTEST_GUILESS_MAIN(QSettingsCompatTest)
#include "qsettings_compat_test.moc"
