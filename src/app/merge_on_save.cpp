#include "merge_on_save.h"

#include "app_text.h"
#include "cfg_doc.h"
#include "cfg_file.h"
#include "document_history.h"
#include "prompts.h"
#include "record_changes_view.h"
#include "record_merge.h"
#include "record_problems.h"
#include "review_dialog.h"
#include "save_content.h"
#include "string_ids.h"
#include "tela_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fstream>
#include <iterator>

namespace {

constexpr int kProblemsNamed = 5; // records named in the note; the panel lists them all

QString shownPath(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

bool readBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

void tell(QWidget* owner, const QString& text) {
    prompts::message(owner, userString(ids::kAppTitle), text, QMessageBox::Warning, QMessageBox::Ok,
                     QMessageBox::Ok);
}

// The records of the merged configuration that the client would refuse, for the note:
// the merge is checked before it is written, as the problems panel checks every file.
QString problemsText(const CfgStore& merged) {
    QStringList named;
    for (const RecordProblem& p : findRecordProblems(merged)) {
        if (!p.isError())
            continue;
        RecordName id;
        id.family = p.family;
        id.name = p.name;
        id.nameless = p.nameless;
        const QString record =
            (recordKindText(id) + QLatin1Char(' ') + recordNameText(id)).trimmed();
        if (!named.contains(record))
            named << record;
    }
    if (named.isEmpty())
        return QString();
    if (named.size() > kProblemsNamed)
        named = named.mid(0, kProblemsNamed) << QStringLiteral("…");
    return userString(ids::kMergeProblems)
        .replace(QLatin1String("%1"), named.join(QLatin1String(", ")));
}

} // namespace

bool mergeIntoChangedFile(CCfgDoc& doc, DocumentHistory& history, const std::string& path,
                          QWidget* owner) {
    std::string bytes;
    CfgStore theirs;
    if (!readBytes(path, bytes) || cfgReadBuffer(theirs, bytes.data(), bytes.size()) != 0) {
        tell(owner,
             userString(ids::kMergeUnreadable).replace(QLatin1String("%1"), shownPath(path)));
        return false;
    }
    // Without a recorded change the store is still as the file was opened.
    const CfgStore* opened = history.cleanStore();
    MergePlan plan = planMerge(opened ? *opened : doc.store(), doc.store(), theirs);
    CfgStore merged;
    const QString title = userString(ids::kMergeTitle)
                              .replace(QLatin1String("%1"), QFileInfo(shownPath(path)).fileName());
    auto review = [&] {
        applyMerge(plan, doc.store(), theirs, merged);
        ChangeReview r = reviewChanges(path, savedBytes(merged));
        r.title = title;
        r.records = diffStores(theirs, merged);
        const QString problems = problemsText(merged);
        r.note = userString(ids::kMergeNote) +
                 (problems.isEmpty() ? QString() : QLatin1String("\n") + problems);
        return r;
    };
    ReviewDialog dialog(review(), true, owner);
    dialog.showConflicts(plan.conflicts, review);
    if (prompts::execDialog(dialog) != QDialog::Accepted)
        return false;
    // What was merged must still be the file, or the other program's newest change is lost.
    std::string now;
    if (!readBytes(path, now) || now != bytes) {
        tell(owner, userString(ids::kMergeChangedAgain));
        return false;
    }
    history.record(userString(ids::kMergeStep), [&] {
        cfgCopy(merged, doc.store());
        return 1;
    });
    return true;
}
