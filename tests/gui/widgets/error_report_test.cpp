// The general error report and the prompt plumbing around it.
#include "gui/widgets/error_report.h"

#include <QTest>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "gui/widgets/qt_prompts.h"
#include "platform/errors.h"
#include "support/gui/scripted_prompts.h"

using namespace norvane;
using namespace norvane::test;

class ErrorReportTest : public QObject {
  Q_OBJECT

 private slots:
  void fullStopRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("letter") << "abc"
                            << "abc.";
    QTest::newRow("full stop") << "abc."
                               << "abc.";
    QTest::newRow("exclamation sorts before") << "abc!"
                                              << "abc!";
    QTest::newRow("hyphen sorts before") << "a-"
                                         << "a-";
    QTest::newRow("blank") << "abc "
                           << "abc ";
    QTest::newRow("line break") << "abc\n"
                                << "abc\n";
    QTest::newRow("slash sorts after") << "a/"
                                       << "a/.";
    QTest::newRow("digit") << "Code: 2"
                           << "Code: 2.";
    QTest::newRow("chinese") << "删除失败"
                             << "删除失败.";
    QTest::newRow("full-width mark") << "失败！"
                                     << "失败！.";
  }
  void fullStopRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorReportText(message), shown);
  }

  void guardShowsOneBoxAndSwallowsTheFailure() {
    auto prompts = std::make_shared<ScriptedPrompts>();
    QWidget owner;
    ErrorReport report(prompts, &owner);
    bool after = false;
    report.guard([] { throw std::runtime_error("disk gone"); });
    report.guard([&] { after = true; });
    QVERIFY(after);
    QCOMPARE(int(prompts->asked().size()), 1);
    const AskedPrompt& box = prompts->last();
    QCOMPARE(box.text, QStringLiteral("disk gone."));
    QCOMPARE(box.caption, QStringLiteral("Norvane磁盘清理"));
    QCOMPARE(box.icon, PromptIcon::Error);
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.owner, &owner);
  }

  void osErrorsKeepTheirSystemText() {
    auto prompts = std::make_shared<ScriptedPrompts>();
    ErrorReport report(prompts, nullptr);
    report.guard([] { raiseOSError(13); });
    QVERIFY(prompts->last().text.startsWith(QStringLiteral("System Error.  Code: 13.\r\n")));
  }

  void anythingThrownIsReported() {
    auto prompts = std::make_shared<ScriptedPrompts>();
    ErrorReport report(prompts, nullptr);
    report.guard([] { throw 42; });
    QCOMPARE(int(prompts->asked().size()), 1);
  }

  void fileFiltersForTheToolkit_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("all files") << "所有文件|*.*"
                               << "所有文件 (*)";
    QTest::newRow("two entries") << "文本|*.txt;*.log|所有文件|*.*"
                                 << "文本 (*.txt *.log);;所有文件 (*)";
    QTest::newRow("no pattern") << "任意|"
                                << "任意 (*)";
    QTest::newRow("empty") << ""
                           << "";
  }
  void fileFiltersForTheToolkit() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(QtPrompts::toQtFilter(filter), qt);
  }
};

QTEST_MAIN(ErrorReportTest)
#include "error_report_test.moc"
