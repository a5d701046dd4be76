#include "core/errorreport.h"
#include "helpers/testenv.h"

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar CR(13);

TEST(ReportText, ShowsTheFieldsInTheirFixedOrderWithCrSeparators) {
    const QString text =
        reportText(Failure{53, QStringLiteral("VelmiraProject"), QStringLiteral("File not found")},
                   5, QStringLiteral("frmMain.cmdCreate_Click()"), 21);
    EXPECT_EQ(text,
              QStringLiteral(
                  "If this happens repeatedly, please let me know exactly what it says below.") +
                  CR + "Error # 53" + CR + "Source: VelmiraProject" + CR + "Dll: 5" + CR +
                  "Sub: frmMain.cmdCreate_Click()-21");
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(text.endsWith(CR));
}

TEST(ReportText, KeepsMinusSignsAndEmptySource) {
    const QString text = reportText(Failure{-2147221504, QString(), QString()}, -1,
                                    QStringLiteral("Module1.ListCats()"), 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Error # -2147221504") + CR));
    EXPECT_TRUE(text.contains(CR + QStringLiteral("Source: ") + CR));
    EXPECT_TRUE(text.contains(QStringLiteral("Dll: -1")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Sub: Module1.ListCats()-0")));
}

class AfterReportTest : public ::testing::Test {
  protected:
    ScriptedPrompts prompts;
    RecordingExit exit;
    ErrorReporter errors{prompts, exit};
    int windowClosed = 0;
    void SetUp() override {
        errors.setMainWindowCloser([this] { ++windowClosed; });
    }
};

TEST_F(AfterReportTest, ReportBoxHasDescriptionAsTitleAndOkOnly) {
    errors.recordSystemError(87);
    errors.run("frmMain.cmdApply_Click()", AfterReport::Return, [](Procedure& p) {
        p.step(5);
        raise(9, QStringLiteral("Subscript out of range"));
    });
    ASSERT_EQ(prompts.shown.size(), 1u);
    const Message& box = prompts.shown[0];
    EXPECT_EQ(box.title, QStringLiteral("Subscript out of range"));
    EXPECT_EQ(box.buttons, Message::Buttons::Ok);
    EXPECT_EQ(box.icon, Message::Icon::None);
    EXPECT_TRUE(
        box.text.endsWith(QStringLiteral("Dll: 87") + CR + "Sub: frmMain.cmdApply_Click()-5"));
}

TEST_F(AfterReportTest, EndProgramStopsEveryCallerAtOnce) {
    bool callerWentOn = false;
    errors.run("frmMain.cmdRefresh_Click()", AfterReport::CloseMainWindow, [&](Procedure& p) {
        p.step(15);
        errors.run("Module1.ListModDirectories()", AfterReport::EndProgram,
                   [](Procedure&) { raisePathNotFound(); });
        callerWentOn = true;
    });
    EXPECT_EQ(exit.ended, 1);
    EXPECT_EQ(windowClosed, 0);
    EXPECT_FALSE(callerWentOn);
    ASSERT_EQ(prompts.shown.size(), 1u);
}

TEST_F(AfterReportTest, CloseMainWindowFromANestedProcedureStopsTheCallers) {
    int statementsAfter = 0;
    errors.run("frmMain.cmdCreate_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
        errors.run("frmMain.MakeWad()", AfterReport::CloseMainWindow, [&](Procedure&) {
            errors.run("frmMain.Makels()", AfterReport::CloseMainWindow, [](Procedure& p) {
                p.step(7);
                raiseFileNotFound();
            });
            ++statementsAfter;
        });
        ++statementsAfter;
    });
    EXPECT_EQ(windowClosed, 1);
    EXPECT_EQ(statementsAfter, 0);
    ASSERT_EQ(prompts.shown.size(), 1u) << "only the procedure that failed reports";
    EXPECT_TRUE(prompts.shown[0].text.endsWith(QStringLiteral("Sub: frmMain.Makels()-7")));
}

TEST_F(AfterReportTest, ReturnLetsTheCallerGoOn) {
    bool callerWentOn = false;
    errors.run("frmMain.cmdOpenBMPDir_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
        errors.run("Module1.EOpenDirecotry()", AfterReport::Return,
                   [](Procedure&) { raisePermissionDenied(); });
        callerWentOn = true;
    });
    EXPECT_TRUE(callerWentOn);
    EXPECT_EQ(windowClosed, 0);
    EXPECT_TRUE(prompts.shown.at(0).text.endsWith(QStringLiteral("Module1.EOpenDirecotry()-0")));
}

TEST_F(AfterReportTest, CloseDialogClosesOnlyTheDialog) {
    int dialogClosed = 0;
    errors.run(
        "frmLoc.cmdOK_Click()", AfterReport::CloseDialog,
        [](Procedure& p) {
            p.step(5);
            raisePermissionDenied();
        },
        [&] { ++dialogClosed; });
    EXPECT_EQ(dialogClosed, 1);
    EXPECT_EQ(windowClosed, 0);
    EXPECT_EQ(exit.ended, 0);
}

TEST_F(AfterReportTest, HandlersOfAModalLoopAreOutermostAgain) {
    bool afterLoop = false;
    errors.run("frmMain.mnuFileLoc_Click()", AfterReport::CloseMainWindow, [&](Procedure&) {
        errors.modal([&] {
            errors.run("frmLoc.cmdOK_Click()", AfterReport::CloseMainWindow,
                       [](Procedure&) { raisePermissionDenied(); });
            return 0;
        });
        afterLoop = true;
    });
    EXPECT_TRUE(afterLoop) << "the abandoned handler ended inside the loop, not past it";
    EXPECT_EQ(windowClosed, 1);
}

TEST_F(AfterReportTest, OutOfMemoryIsReportedLikeAnyFailure) {
    errors.run("frmMain.fileBMPs_Click()", AfterReport::Return, [](Procedure& p) {
        p.step(3);
        throw std::bad_alloc();
    });
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.contains(QStringLiteral("Error # 7")));
}

}  // namespace
