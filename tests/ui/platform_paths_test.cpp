// The machine's paths as the start-up sequence gets them: bytes, whatever their encoding.
#include "common/file_io.h"
#include "common/folder.h"
#include "platform/paths.h"
#include "platform/startup_environment.h"
#include "startup/startup_helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class PlatformPathsTest : public QObject {
    Q_OBJECT

private slots:
    void aDataHomeThatIsNotUtf8KeepsTheUsersData()
    {
        QTemporaryDir tmp;
        // Latin-1 bytes of "Données": not UTF-8, so no QString holds them.
        const QByteArray home = QFile::encodeName(tmp.path())
            + "/Donn\xe9"
              "es";
        const std::filesystem::path dataHome = home.toStdString();
        const auto userData = sg::userDataDirFor(dataHome);
        QVERIFY(sg::makeDirectories(userData / "SiteLists"));
        const sg::Bytes mine = { 'm', 'i', 'n', 'e' };
        QVERIFY(sg::writeFileAtomically(userData / "SiteLists" / "CatList.dab", mine));

        qputenv("XDG_DATA_HOME", home);
        QCOMPARE(QByteArray::fromStdString(sg::platform::profileDir().string()), home);
        sg::StartupEnvironment env = sg::platform::startupEnvironment({});
        QVERIFY(env.profileDir == dataHome);
        env.executableDir = SKYGLASS_BIN_DIR;
        const sg::StartupOutcome started = sg::runStartupSequence(env);
        QVERIFY(started.ok);
        QVERIFY(started.state.paths.UserDataDir == userData);
        QVERIFY(sg::readWholeFile(userData / "SiteLists" / "CatList.dab", 100) == mine);
        // Nothing was made under another name (Qt's own listing would skip such a name).
        QCOMPARE(sg::listFolder(QFile::encodeName(tmp.path()).toStdString()).entries.size(),
            std::size_t(1));
        QVERIFY(sg::removeTree(dataHome)); // a QTemporaryDir cannot remove it
    }
};

QTEST_MAIN(PlatformPathsTest)
#include "platform_paths_test.moc"
