#include "review_dialog.h"

#include "app_text.h"
#include "file_access.h"
#include "record_changes_view.h"
#include "string_ids.h"
#include "tela_environment.h"
#include "unified_diff.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

namespace {

// Only a regular file is read: the file may have been replaced by a pipe or a device since.
bool readBytes(const std::string& path, std::string& bytes) {
    FileError ignored;
    return readRegularFile(path, bytes, ignored);
}

// A line feed alone somewhere in the file: every such line is rewritten with CR LF.
bool hasBareLineFeed(const std::string& bytes) {
    for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        if (i == 0 || bytes[i - 1] != '\r')
            return true;
    return false;
}

// Removed lines red, added lines green, hunk headers blue, as diff viewers show them.
class DiffHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        if (text.isEmpty())
            return;
        QTextCharFormat format;
        if (text.startsWith(QLatin1String("+++")) || text.startsWith(QLatin1String("---"))) {
            format.setFontWeight(QFont::Bold);
        } else if (text[0] == QLatin1Char('+')) {
            format.setForeground(QColor(0x11, 0x70, 0x2b));
            format.setBackground(QColor(0xe6, 0xff, 0xec));
        } else if (text[0] == QLatin1Char('-')) {
            format.setForeground(QColor(0xa3, 0x15, 0x15));
            format.setBackground(QColor(0xff, 0xeb, 0xe9));
        } else if (text.startsWith(QLatin1String("@@"))) {
            format.setForeground(QColor(0x05, 0x50, 0xae));
        } else {
            return;
        }
        setFormat(0, static_cast<int>(text.size()), format);
    }
};

} // namespace

ChangeReview reviewChanges(const std::string& path, const std::string& after) {
    ChangeReview review;
    std::string before;
    const bool exists = !path.empty() && readBytes(path, before);
    const std::string shown = path.empty() ? std::string("untitled") : path;
    review.title =
        userString(ids::kReviewTitle)
            .replace(QLatin1String("%1"),
                     QFileInfo(QFile::decodeName(QByteArray::fromStdString(shown))).fileName());
    const std::string diff = unifiedDiff(before, after, exists ? shown : "/dev/null", shown);
    review.changes = !diff.empty();
    // The lines are shown without their carriage returns; the note says when those change.
    QString text = QString::fromLatin1(diff.data(), static_cast<qsizetype>(diff.size()));
    text.remove(QLatin1Char('\r'));
    review.diff = text;
    if (!review.changes)
        review.note = userString(ids::kReviewNothing);
    else if (!exists)
        review.note = userString(ids::kReviewNewFile);
    else if (hasBareLineFeed(before))
        review.note = userString(ids::kReviewLineEnds);
    return review;
}

ReviewDialog::ReviewDialog(const ChangeReview& review, bool askToSave, QWidget* parent)
    : QDialog(parent), m_note(new QLabel(this)),
      m_byRecord(new QLabel(userString(ids::kReviewByRecord), this)),
      m_records(new RecordChangesView(this)), m_view(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("reviewDialog"));
    setWindowTitle(review.title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    m_byRecord->setBuddy(m_records);
    layout->addWidget(m_byRecord);
    layout->addWidget(m_records);
    connect(m_records, &RecordChangesView::recordActivated, this,
            [this](int kind, int row, const std::string& name) {
                m_open = RecordToOpen{kind, row, name};
                reject();
            });
    auto* lines = new QLabel(userString(ids::kReviewLines), this);
    lines->setBuddy(m_view);
    layout->addWidget(lines);
    m_view->setObjectName(QStringLiteral("reviewText"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setAccessibleName(review.title);
    new DiffHighlighter(m_view->document()); // owned by the document
    layout->addWidget(m_view, 1);
    showReview(review);

    auto* buttons = new QDialogButtonBox(this);
    if (askToSave) {
        QPushButton* save =
            buttons->addButton(userString(ids::kReviewSave), QDialogButtonBox::AcceptRole);
        save->setDefault(true);
        buttons->addButton(QDialogButtonBox::Cancel);
    } else {
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for a line of the file, high enough for a screenful of hunks, where the
    // screen has room (the text scrolls where it has not).
    const QFontMetrics metrics(m_view->font());
    resize(sizeHint().expandedTo(
        QSize(metrics.horizontalAdvance(QLatin1Char('x')) * 90, metrics.lineSpacing() * 28)));
}

void ReviewDialog::showReview(const ChangeReview& review) {
    m_note->setText(review.note);
    m_note->setVisible(!review.note.isEmpty());
    m_records->setChanges(review.records);
    m_view->setPlainText(review.diff);
}

void ReviewDialog::showConflicts(std::vector<MergeConflict>& conflicts,
                                 std::function<ChangeReview()> again) {
    // A merged configuration is not the document yet: there is no sheet to open.
    disconnect(m_records, &RecordChangesView::recordActivated, this, nullptr);
    m_byRecord->setText(userString(ids::kMergeByRecord));
    if (conflicts.empty())
        return;
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* list = new MergeConflictsView(conflicts, this);
    auto* caption = new QLabel(userString(ids::kMergeConflicts), this);
    caption->setWordWrap(true);
    caption->setBuddy(list);
    layout->insertWidget(1, caption);
    layout->insertWidget(2, list);
    connect(list, &MergeConflictsView::choiceChanged, this,
            [this, again = std::move(again)] { showReview(again()); });
}
