// Starts the editor's application object on a file, headless, with every message box and
// file dialog answered by the test, and gives the tests the main window's parts.
#pragma once

#include "cfg_app.h"
#include "cfg_file.h"
#include "cfg_frm_view.h"
#include "cpic_records.h"
#include "main_frame.h"
#include "option_kinds.h"
#include "prompts.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "test_helpers.h"
#include "ui_cfg_frm_view.h"
#include "ui_main_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace gui_testing {

using testing_support::Sections;

inline QString text(int id) {
    return QString::fromUtf8(TelaEnvironment::GetUserString(id));
}

// The caption as the window shows it: "[*]" stands for the modified mark.
inline QString shownCaption(const QWidget& window) {
    QString caption = window.windowTitle();
    return caption.replace(QLatin1String("[*]"),
                           window.isWindowModified() ? QLatin1String("*") : QLatin1String(""));
}

// CPI-C entries of these names, in this order.
inline Sections cpic(std::initializer_list<std::string> names) {
    Sections all;
    for (const std::string& name : names)
        all.push_back({"CPIC_INFO", {{"SYMB_NAME", name}, {"PART_LU", "NETA.HOST"}}});
    return all;
}

// The editor started through the shell, so that a file name can be any bytes: offscreen
// with display, without any display otherwise.
inline void startEditor(QProcess& process, const QString& script, const QString& directory,
                        bool display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (display)
        env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(directory);
    process.start("/bin/sh", {"-c", script, QStringLiteral(APICFG_PROGRAM)});
}

struct Ended {
    int exitCode = -1;
    QByteArray out;
};

// The same, run to its end.
inline Ended runEditor(const QString& script, const QString& directory, bool display) {
    QProcess process;
    startEditor(process, script, directory, display);
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning && timer.elapsed() < 10000)
        QTest::qWait(20); // the event loop runs: this test may be the first editor
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << script.toStdString() << " did not end";
    }
    return {process.exitCode(), process.readAllStandardOutput()};
}

// An editor of CPI-C entries that stores `mode` as the entry's MODE, as a sheet's OK would.
inline EditorRunner cpicModeEditor(const std::string& mode) {
    return [mode](CCfgDoc& d, const RecordKind&, const std::string&, const std::string& name) {
        CpicSideInfoRecord r;
        r.symbName = name;
        cpicReadEntry(d.store(), r);
        r.mode = mode;
        int flag = 0;
        ErrorCode code = ErrorCode::None;
        return cpicWriteEntry(d.store(), r, flag, code);
    };
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        QSettings().clear();
        setEditorRunner({});
    }
    void TearDown() override {
        m_app.reset();
        setEditorRunner({});
        QSettings().clear();
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writeConfig(const QString& name, const Sections& sections) {
        CfgStore store;
        testing_support::fill(store, sections);
        EXPECT_EQ(cfgWriteFile(store, QFile::encodeName(path(name)).toStdString()), 0);
        return path(name);
    }

    // Starts the program as the command line would, on a file or on none.
    void start(const QStringList& arguments = {}) {
        m_app.reset();
        m_app = std::make_unique<CCfgApp>();
        CCfgApp::Options options;
        options.singleInstance = false;
        options.programDir = QStringLiteral(APICFG_RUNTIME_DIR);
        ASSERT_EQ(m_app->InitInstance(arguments, options), CCfgApp::Start::Running);
        QApplication::processEvents(); // the first paint
        QApplication::processEvents(); // the problems looked for after it
    }

    CCfgApp& app() { return *m_app; }
    CCfgDoc& doc() { return m_app->document(); }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    CCfgFrmView& view() { return *frame().view(); }
    const Ui::CCfgFrmView& ui() { return view().ui(); }
    std::string pathName() { return doc().GetPathName(); }
    static std::string encoded(const QString& file) {
        return QFile::encodeName(file).toStdString();
    }

    void selectKind(int kind) {
        QListWidget* options = ui().optionsList;
        for (int row = 0; row < options->count(); ++row)
            if (options->item(row)->data(Qt::UserRole).toInt() == kind)
                return options->setCurrentRow(row);
        ADD_FAILURE() << "no option of kind " << kind;
    }

    QStringList listed() {
        QStringList names;
        const QAbstractItemModel* model = ui().recordsList->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }

    int selectedRow() {
        const QModelIndexList rows = ui().recordsList->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    }

    void selectRow(int row) {
        QListView* list = ui().recordsList;
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Deletes the selected entry, answering the question with OK.
    void deleteSelected() {
        script.answerMessage(QMessageBox::Ok);
        click(ui().deleteButton);
    }

    PromptScript script;
    QTemporaryDir m_dir;
    std::unique_ptr<CCfgApp> m_app;
};

} // namespace gui_testing
