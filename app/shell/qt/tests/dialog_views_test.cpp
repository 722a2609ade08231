// Each dialog view opened offscreen and operated with key and mouse events,
// and a Workspace dropped on the window.
#include <QDir>
#include <QHeaderView>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "answer_viewer_view.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "files_dialog_view.h"
#include "format_dialog_view.h"
#include "library_selection_view.h"
#include "platform/clipboard.h"
#include "shell/workspace_commands.h"
#include "variables_dialog_view.h"
#include "window_fixture.h"
#include "workspace_options_view.h"

namespace orvana::qt::testing {
namespace {

// Clicks the menu-bar entry with this text.
void clickMenu(DialogFrame& dialog, const QString& text) {
    for (QAction* action : dialog.menu()->actions()) {
        if (action->text() != text) continue;
        QTest::mouseClick(dialog.menu(), Qt::LeftButton, Qt::NoModifier,
                          dialog.menu()->actionGeometry(action).center());
        return;
    }
    ADD_FAILURE() << "no menu entry " << text.toStdString();
}

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

class DialogViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        folder_ = std::make_unique<QTemporaryDir>();
    }
    std::u16string path() const { return folder_->path().toStdU16String(); }

    std::unique_ptr<QTemporaryDir> folder_;
};

TEST_F(DialogViewTest, FilesViewSavesATypedNameAndLoadsByEnter) {
    QDir(folder_->path()).mkdir(QStringLiteral("sub"));
    touch(folder_->path() + QStringLiteral("/sub/Alpha.ovw"));
    {
        const QtBackend answers(ScriptedAnswers::parse(u"no"));
        FilesDialogView save(window_.get(), 1, shell::FilesMode::Save, path(), path());
        save.show();
        EXPECT_EQ(save.windowTitle(), QStringLiteral("Save Workspace"));
        EXPECT_EQ(save.size(), QSize(kScreenWidth, kScreenHeight));
        EXPECT_EQ(save.focusWidget(), save.field());
        QTest::keyClicks(save.field(), QStringLiteral("totalx"));
        QTest::keyClick(&save, Qt::Key_Escape);  // the Back key deletes in the field
        EXPECT_EQ(save.field()->text(), QStringLiteral("total"));
        QTest::keyClick(save.field(), Qt::Key_Return);
        EXPECT_EQ(save.code(), shell::kDialogConfirmed);
        EXPECT_EQ(save.model().result(), path() + u"/total.ovw");
    }

    FilesDialogView load(window_.get(), 2, shell::FilesMode::Load, path(), path());
    load.show();
    EXPECT_EQ(load.size(), QSize(2 * kScreenWidth, 2 * kScreenHeight));
    ASSERT_EQ(load.list()->count(), 2);  // "..", "sub"
    load.list()->setFocus();
    QTest::keyClick(load.list(), Qt::Key_Down);
    QTest::keyClick(load.list(), Qt::Key_Down);
    QTest::keyClick(load.list(), Qt::Key_Return);  // opens "sub"
    EXPECT_EQ(load.label()->text(), QStringLiteral("sub"));
    ASSERT_EQ(load.list()->count(), 2);  // "..", "Alpha"
    const QRect alpha = load.list()->visualItemRect(load.list()->item(1));
    QTest::mouseClick(load.list()->viewport(), Qt::LeftButton, Qt::NoModifier, alpha.center());
    clickMenu(load, QStringLiteral("OK"));
    EXPECT_EQ(load.code(), shell::kDialogConfirmed);
    EXPECT_EQ(load.model().result(), path() + u"/sub/Alpha.ovw");

    // A path typed into the path field and confirmed with OK.
    FilesDialogView typed(window_.get(), 1, shell::FilesMode::Load, path(), path());
    typed.show();
    QTest::keyClicks(typed.field(), QStringLiteral("sub/Alpha"));
    clickMenu(typed, QStringLiteral("OK"));
    EXPECT_EQ(typed.code(), shell::kDialogConfirmed);
    EXPECT_EQ(typed.model().result(), path() + u"/sub/Alpha.ovw");

    FilesDialogView folder(window_.get(), 1, shell::FilesMode::SelectFolder, path(), path());
    folder.show();
    QTest::keyClick(&folder, Qt::Key_Escape);  // closes in Select Folder mode
    EXPECT_EQ(folder.code(), shell::kDialogCancelled);
    EXPECT_FALSE(folder.isVisible());
}

TEST_F(DialogViewTest, FormatViewStoresFixedWithSixDigits) {
    shell::FormatSlot slot;
    FormatDialogView view(window_.get(), 1, slot);
    view.show();
    EXPECT_EQ(view.kind()->currentText(), QStringLiteral("Floating"));
    view.kind()->setFocus();
    QTest::keyClick(view.kind(), Qt::Key_Up);  // Fixed
    EXPECT_EQ(view.kind()->currentText(), QStringLiteral("Fixed"));
    EXPECT_TRUE(view.digits()->isEnabled());
    view.digits()->setFocus();
    QTest::keyClick(view.digits(), Qt::Key_Down);  // from "5 digits"
    EXPECT_EQ(view.digits()->currentText(), QStringLiteral("6 digits"));
    QTest::mouseClick(view.polar(), Qt::LeftButton, Qt::NoModifier, QPoint(5, view.polar()->height() / 2));
    EXPECT_TRUE(view.polar()->isChecked());
    clickMenu(view, QStringLiteral("OK"));
    EXPECT_EQ(view.result(), QDialog::Accepted);
    const shell::FormatSlot after = view.model().confirmed(slot);
    EXPECT_EQ(after.formatCode, 1286);
    EXPECT_TRUE(after.polar);
    EXPECT_FALSE(after.stored);

    FormatDialogView hex(window_.get(), 1, slot);
    hex.show();
    hex.kind()->setFocus();
    QTest::keyClick(hex.kind(), Qt::Key_End);  // Hexadecimal
    EXPECT_FALSE(hex.digits()->isEnabled());
    EXPECT_EQ(hex.digits()->currentIndex(), -1);
    QTest::keyClick(hex.kind(), Qt::Key_Up);  // Fractions
    EXPECT_EQ(hex.digits()->currentText(), QStringLiteral("1/128"));
    clickMenu(hex, QStringLiteral("Cancel"));
    EXPECT_EQ(hex.result(), QDialog::Rejected);
}

TEST_F(DialogViewTest, WorkspaceOptionsViewGivesTheFlags) {
    WorkspaceOptionsView unchanged(window_.get(), 1);
    unchanged.show();
    clickMenu(unchanged, QStringLiteral("OK"));
    EXPECT_EQ(unchanged.flags(), 16);

    WorkspaceOptionsView changed(window_.get(), 1);
    changed.show();
    changed.box(1)->setFocus();
    QTest::keyClick(changed.box(1), Qt::Key_Space);  // Variables off
    QTest::mouseClick(changed.box(2), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, changed.box(2)->height() / 2));  // Delete Existing off
    clickMenu(changed, QStringLiteral("OK"));
    EXPECT_EQ(changed.flags(), 4);

    WorkspaceOptionsView cancelled(window_.get(), 1);
    cancelled.show();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    EXPECT_EQ(cancelled.flags(), -1);
}

TEST_F(DialogViewTest, LibrarySelectionViewSetsTheSlots) {
    shell::QuickSelect quick;
    quick.slots = {0, shell::kNoLibrary, shell::kNoLibrary, shell::kNoLibrary, shell::kNoLibrary};
    shell::LibrarySelection model(quick, {u"Conversion", u"Scientific"});
    LibrarySelectionView view(window_.get(), 1, model);
    view.show();
    EXPECT_EQ(view.spinner(1)->currentText(), QString());
    view.spinner(0)->setFocus();
    QTest::keyClick(view.spinner(0), Qt::Key_Down);
    view.spinner(2)->setFocus();
    QTest::keyClick(view.spinner(2), Qt::Key_Down);
    clickMenu(view, QStringLiteral("OK"));
    ASSERT_EQ(view.result(), QDialog::Accepted);
    model.confirm();
    EXPECT_EQ(quick.slots[0], 1);
    EXPECT_EQ(quick.slots[1], shell::kNoLibrary);
    EXPECT_EQ(quick.slots[2], 0);
}

TEST_F(DialogViewTest, VariablesViewChoosesAVariableOrAScript) {
    type("speed=4");
    press(Qt::Key_Return);
    touch(folder_->path() + QStringLiteral("/Solve.ovw"));
    touch(folder_->path() + QStringLiteral("/Fit2.ovw"));
    VariablesDialogView view(window_.get(), 1, shell::FormatSlot{}, path() + u"/");
    view.show();
    EXPECT_EQ(view.table()->headerItem()->text(2), QStringLiteral("Value/View"));
    QList<QTreeWidgetItem*> found = view.table()->findItems(QStringLiteral("speed"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    view.table()->setCurrentItem(found.front());
    QTest::keyClick(view.table(), Qt::Key_Return);
    EXPECT_EQ(view.result().code, int(engine::findVariable(u"speed")));
    EXPECT_EQ(view.result().name, u"speed");
    EXPECT_FALSE(view.result().view);

    // A double click on a variable's value asks to view it.
    VariablesDialogView valueView(window_.get(), 1, shell::FormatSlot{}, path() + u"/");
    valueView.show();
    found = valueView.table()->findItems(QStringLiteral("speed"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect value = valueView.table()->visualItemRect(found.front());
    const int valueX = valueView.table()->header()->sectionPosition(2) + 5;
    QTest::mouseClick(valueView.table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(valueX, value.center().y()));
    QTest::mouseDClick(valueView.table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(valueX, value.center().y()));
    EXPECT_EQ(valueView.result().name, u"speed");
    EXPECT_TRUE(valueView.result().view);

    VariablesDialogView scripts(window_.get(), 1, shell::FormatSlot{}, path() + u"/");
    scripts.show();
    clickMenu(scripts, QStringLiteral("Scripts"));
    EXPECT_EQ(scripts.page(), shell::VariablesPage::Scripts);
    ASSERT_EQ(scripts.table()->topLevelItemCount(), 1);  // not "Fit2"
    const QRect row = scripts.table()->visualItemRect(scripts.table()->topLevelItem(0));
    QTest::mouseClick(scripts.table()->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    clickMenu(scripts, QStringLiteral("OK"));
    EXPECT_EQ(scripts.result().code, shell::kChoseScript);
    EXPECT_EQ(scripts.result().name, u"Solve");
}

TEST_F(DialogViewTest, NewVariableViewPicksChecksAndCreates) {
    NewVariableView view(window_.get(), 1, {u"a+b", u"velocity"});
    view.show();
    EXPECT_EQ(view.focusWidget(), view.field());
    QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.list()->visualItemRect(view.list()->item(0)).center());
    EXPECT_EQ(view.field()->text(), QString());  // 'a+b' cannot be a name
    QTest::mouseClick(view.list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.list()->visualItemRect(view.list()->item(1)).center());
    EXPECT_EQ(view.field()->text(), QStringLiteral("velocity"));
    view.field()->setFocus();
    QTest::keyClick(&view, Qt::Key_Escape);  // Back deletes a character
    EXPECT_EQ(view.field()->text(), QStringLiteral("velocit"));
    QTest::keyClick(view.field(), Qt::Key_Return);
    ASSERT_EQ(view.result(), QDialog::Accepted);
    EXPECT_EQ(engine::globalVariableName(view.index()), u"velocit");
}

TEST_F(DialogViewTest, AnswerViewerShowsTheTableAndCopiesIt) {
    type("{1,2|3,4}");
    press(Qt::Key_Return);
    const shell::AnswerViewer viewer(state_->blocks().block(0).answer(), shell::FormatSlot{}, false);
    AnswerViewerView view(window_.get(), 1, viewer);
    view.show();
    ASSERT_NE(view.table(), nullptr);
    QAbstractItemModel* model = view.table()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("R\\C"));
    EXPECT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->data(model->index(1, 0)).toString(), QStringLiteral("2"));
    QTest::keyClick(view.table(), Qt::Key_C, Qt::ControlModifier);
    char16_t copied[64] = {};
    platformGetClipboardText(copied, 64);
    EXPECT_EQ(std::u16string(copied), u"1\t2\n3\t4\n");
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(DialogViewTest, AWorkspaceDroppedOnTheWindowIsLoaded) {
    type("6*7");
    press(Qt::Key_Return);
    const std::u16string file = path() + u"/Dropped.ovw";
    ASSERT_TRUE(engine::saveWorkspace(file.c_str(), false, &state_->blocks()));
    shell::clearBlocks(*state_);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdU16String(file))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    EXPECT_EQ(state_->blocks().block(0).text(), u"6*7");

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(window_.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace orvana::qt::testing
