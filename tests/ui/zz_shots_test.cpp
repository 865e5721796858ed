#include "e2e/program_fixture.h"
#include "ui/application.h"
#include "ui/options_window.h"
#include "ui/about_window.h"
#include "ui/suggestions_window.h"
#include "ui/main_window.h"
#include <QProcess>
#include <QRadioButton>
#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>
#include <QMessageBox>
#include <QTimer>
#include <QApplication>
using namespace sg;
class Shots : public QObject {
    Q_OBJECT
private slots:
    void shots()
    {
        sgtest::RunningProgram p;
        QVERIFY(p.start());
        QTest::qWait(3000);
        auto shot = [](const char* name) {
            QTest::qWait(700);
            QProcess::execute(QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("/tmp/shot-%1.png").arg(QString::fromUtf8(name)) });
        };
        p.app().showOptionsWindow("https://radar.example/loop");
        auto* o = p.app().windows().options.data();
        (void)QTest::qWaitForWindowExposed(o);
        for (int i = 0; i < 4; ++i) {
            o->tabs()->setCurrentIndex(i);
            shot(QByteArray::number(i).prepend("options").constData());
        }
        o->tabs()->setCurrentIndex(0);
        QTimer::singleShot(800, [&] { QProcess::execute(QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("/tmp/shot-msg.png") }); if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) b->button(QMessageBox::Ok)->click(); });
        o->startPageButton(StartPageChoice::CurrentPage)->click();
        shot("options-after");
        QTimer::singleShot(800, [&] { QProcess::execute(QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("/tmp/shot-ask.png") }); if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) b->button(QMessageBox::No)->click(); });
        o->close();
        QTest::qWait(500);
        p.app().showAboutWindow();
        shot("about");
        p.app().windows().about->close();
        p.app().showSuggestionsWindow();
        shot("suggestions");
    }
};
QTEST_MAIN(Shots)
#include "zz_shots_test.moc"
