// The editor in German, as LANGUAGE=de starts it, on the shipped sample (which has no
// problems): every window shows texts of the German library (or data from the file), and
// Qt's own buttons and dialogs are Qt's German ones.
#include "gui_fixture.h"

#include "about_dialog.h"
#include "modal_window.h"
#include "problems_panel.h"
#include "property_sheet.h"
#include "review_dialog.h"
#include "save_content.h"
#include "tela_legend.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>

#include <set>

using namespace gui_testing;

namespace {

// What the German library lets a window show: each text as it stands, without its
// mnemonic or colon, each line of a text of several lines, and texts with "%1" filled in.
class GermanTexts {
public:
    GermanTexts() {
        for (const auto& [id, bytes] : TelaEnvironment::AllStrings()) {
            const QString text = QString::fromUtf8(bytes);
            for (const QString& line : text.split(QLatin1Char('\n')))
                m_texts.insert({line, telaWithoutMnemonic(line), telaPlainText(line)});
            if (text.contains(QLatin1String("%1"))) {
                QStringList parts = telaWithoutMnemonic(text).split(QRegularExpression("%\\d"));
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                m_patterns.emplace_back(QRegularExpression::anchoredPattern(parts.join(".*")));
            }
        }
    }
    void addData(const QString& text) { m_texts.insert(text); }

    void expectGerman(QString text, const std::string& where) const {
        text = telaWithoutMnemonic(text).remove(QLatin1String("[*]")).trimmed();
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))); // a link's markup
        if (text.isEmpty() || m_texts.count(text) || !text.contains(QRegularExpression("[A-Za-z]")))
            return;
        for (const QRegularExpression& p : m_patterns)
            if (p.match(text).hasMatch())
                return;
        ADD_FAILURE() << where << " shows \"" << text.toStdString() << "\", no German text";
    }

    // Every text a window shows that is ours: labels, buttons, titles, tabs, menus and
    // prompts, the entries of lists that offer choices, column titles, and screen-reader names.
    void expectGermanWindow(QWidget& window) const {
        const std::string name = window.objectName().toStdString();
        expectGerman(window.windowTitle(), name + " title");
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            const std::string at = name + "/" + w->objectName().toStdString();
            if (auto* label = qobject_cast<QLabel*>(w))
                expectGerman(label->text(), at);
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                expectGerman(button->text(), at);
            if (auto* group = qobject_cast<QGroupBox*>(w))
                expectGerman(group->title(), at);
            if (auto* dock = qobject_cast<QDockWidget*>(w))
                expectGerman(dock->windowTitle(), at);
            if (auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    expectGerman(tabs->tabText(i), at);
            if (auto* list = qobject_cast<QComboBox*>(w); list && !list->isEditable())
                for (int i = 0; i < list->count(); ++i)
                    expectGerman(list->itemText(i), at);
            if (auto* table = qobject_cast<QTableView*>(w))
                for (int c = 0; c < table->model()->columnCount(); ++c)
                    expectGerman(table->model()->headerData(c, Qt::Horizontal).toString(), at);
            if (!w->objectName().startsWith(QLatin1String("qt_"))) // Qt's own, in Qt's German
                expectGerman(w->accessibleName(), at + " spoken");
        }
        for (QAction* action : window.findChildren<QAction*>()) {
            expectGerman(action->text(), name + " menu");
            expectGerman(action->statusTip(), name + " prompt");
        }
    }

private:
    std::set<QString> m_texts;
    std::vector<QRegularExpression> m_patterns;
};

} // namespace

class GermanTest : public AppTest {
protected:
    // Opens the selected record's sheet and looks at every page of it.
    void expectGermanSheet(const GermanTexts& german) {
        const bool shown = whileModal(
            [&](QWidget& window) {
                auto* sheet = qobject_cast<PropertySheet*>(&window);
                ASSERT_NE(sheet, nullptr);
                for (int i = 0; i < sheet->findChild<QTabWidget*>()->count(); ++i) {
                    sheet->setActivePage(i);
                    german.expectGermanWindow(*sheet);
                }
            },
            [&] { click(ui().changeButton); });
        EXPECT_TRUE(shown) << view().currentKind();
    }
};

TEST_F(GermanTest, EveryWindowShowsTheGermanLibraryAndQtsGermanTexts) {
    const QString file = path("sample.ini");
    ASSERT_TRUE(QFile::copy(APICFG_SOURCE_DIR "/docs/samples/sample.ini", file));
    qputenv("LANGUAGE", "de");
    start({file});
    qunsetenv("LANGUAGE");
    EXPECT_TRUE(frame().problems().empty()) << "the shipped sample has no problems";
    EXPECT_EQ(frame().problemsPanel(), nullptr);
    GermanTexts german; // and the file's values, names and path
    for (const auto& [section, keys] : testing_support::snapshot(doc().store()))
        for (const auto& [key, value] : keys)
            german.addData(QString::fromLatin1(value.c_str()));
    german.addData(QStringLiteral("1 ") + file);
    german.addData(text(ids::kAppTitle) + " - sample.ini"); // the main window's caption
    for (const RecordKind& kind : optionKinds()) {
        selectKind(kind.optionKind);
        german.expectGermanWindow(frame());
        expectGermanSheet(german);
    }
    CAboutDlg about;
    about.show();
    german.expectGermanWindow(about);
    ReviewDialog review(reviewChanges(encoded(file), savedBytes(doc().store())), true);
    review.show();
    german.expectGermanWindow(review);

    // The prompts, and Qt's own texts: its standard buttons and its file dialog.
    deleteSelected();
    script.answerMessage(QMessageBox::Cancel);
    frame().ui().actionFileNew->trigger();
    ASSERT_EQ(script.shown().size(), 2u);
    for (const PromptScript::Shown& prompt : script.shown()) {
        german.expectGerman(prompt.title, "prompt title");
        german.expectGerman(prompt.text, "prompt");
    }
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
    QFileDialog dialog(nullptr, text(ids::kTitleOpen));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("lookInLabel")->text(), "Suchen in:");
    EXPECT_EQ(QCoreApplication::translate("HelpWindow", "Back"), text(ids::kHelpBack));
    EXPECT_TRUE(app().helpFilePath().endsWith(QStringLiteral("/apicfg-de.qch")))
        << app().helpFilePath().toStdString();
}
