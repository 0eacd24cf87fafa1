// Every sheet opened as the main window opens it, through the document's option dispatch,
// from the call to the sheet's first paint, offscreen: on a new and on an existing record,
// on files of a few dozen, 10,000 and 100,000 sections (midrange systems about 1% of the
// records, and once 10,000 of them); and the midrange Add until the Basic page has rebuilt.
// Times are the GUI thread's CPU time: on a shared machine the wall clock mostly measures
// whatever else runs there, and nothing on this path waits.
#include "bench_files.h"
#include "bench_sizes.h"
#include "config_generator.h"

#include "cfg_doc.h"
#include "cfg_store.h"
#include "editor_dispatch.h"
#include "option_kinds.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <map>
#include <memory>
#include <utility>

namespace {

// The CPU time the calling thread has used.
struct Clock {
    using time_point = std::chrono::nanoseconds;
    static time_point now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    }
};

// The files: sections and midrange systems.
constexpr std::pair<int, int> kFiles[] = {{40, 1}, {10000, 100}, {100000, 1000}, {100000, 10000}};

// The generated files opened once each; a benchmark puts back what it changed.
CCfgDoc& openDocument(int sections, int systems) {
    static std::map<std::pair<int, int>, std::unique_ptr<CCfgDoc>> docs;
    auto& doc = docs[{sections, systems}];
    if (!doc) {
        doc = std::make_unique<CCfgDoc>();
        const std::string path =
            writeGeneratedConfiguration(benchScratchDir(), static_cast<std::size_t>(sections),
                                        static_cast<std::size_t>(systems));
        if (!doc->OnOpenDocument(path))
            std::abort();
    }
    return *doc;
}

// Once armed, rejects the next modal dialog that paints, as soon as that paint is done,
// and notes when that was.
class CloseAtFirstPaint : public QObject {
public:
    CloseAtFirstPaint() { qApp->installEventFilter(this); }
    ~CloseAtFirstPaint() override { qApp->removeEventFilter(this); }
    void arm() { m_armed = true; }
    Clock::time_point painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_armed || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* dialog = qobject_cast<QDialog*>(static_cast<QWidget*>(watched)->window());
        if (!dialog || dialog != QApplication::activeModalWidget())
            return false;
        m_armed = false;
        QTimer::singleShot(0, dialog, [this, dialog] {
            m_painted = Clock::now();
            dialog->reject();
        });
        return false;
    }

private:
    bool m_armed = false;
    Clock::time_point m_painted;
};

// The record the main window would open: the middle one of the list, or, for a new record,
// none; a kind of one record has none left for New, so that record is deleted first.
std::string recordToOpen(CCfgDoc& doc, int kind, bool existing) {
    std::vector<std::string> names;
    doc.ListOptionRecords(kind, names);
    if (names.empty())
        std::abort();
    if (existing)
        return names[names.size() / 2];
    if (findOptionKind(kind)->oneRecordOnly && !doc.DeleteOptionRecord(kind, names.front()))
        std::abort();
    return std::string();
}

void BM_Sheet(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const bool existing = state.range(1) != 0;
    CCfgDoc& doc = openDocument(static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    CfgStore saved;
    cfgCopy(doc.store(), saved);
    const std::string name = recordToOpen(doc, kind, existing);
    CloseAtFirstPaint closer;
    for (auto _ : state) {
        closer.arm();
        const Clock::time_point start = Clock::now();
        doc.EditOptionRecord(kind, name);
        state.SetIterationTime(std::chrono::duration<double>(closer.painted() - start).count());
    }
    cfgCopy(saved, doc.store());
}

void sheetArgs(benchmark::internal::Benchmark* b) {
    for (const RecordKind& k : optionKinds())
        for (int existing : {0, 1})
            for (auto [sections, systems] : kFiles)
                if (systems != 10000 || k.optionKind == kKindMidrange)
                    b->Args({k.optionKind, existing, sections, systems});
    b->ArgNames({"kind", "existing", "sections", "systems"});
    b->ComputeStatistics("min", fastest);
    b->UseManualTime();
    b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_Sheet)->Apply(sheetArgs);

// Waits until widget has painted again.
void untilPainted(QWidget& widget) {
    struct Watch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    widget.installEventFilter(&watch);
    for (int round = 0; round < 100 && !watch.painted; ++round)
        QApplication::processEvents();
    widget.removeEventFilter(&watch);
}

// Add on the Basic page, the system dialog cancelled at its first paint, until the page
// has listed the systems again and painted.
void BM_MidrangeAdd(benchmark::State& state) {
    CCfgDoc& doc = openDocument(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CfgStore saved;
    cfgCopy(doc.store(), saved);
    CloseAtFirstPaint closer;
    QTimer::singleShot(0, [&] {
        QWidget* sheet = QApplication::activeModalWidget();
        auto* add = sheet->findChild<QPushButton*>(QStringLiteral("addButton"));
        auto* list = sheet->findChild<QListWidget*>(QStringLiteral("systemsList"));
        untilPainted(*list);
        for (auto _ : state) {
            closer.arm();
            const Clock::time_point start = Clock::now();
            add->click();
            untilPainted(*list);
            state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        }
        state.counters["systems"] = list->count();
        static_cast<QDialog*>(sheet)->reject();
    });
    doc.EditOptionRecord(kKindMidrange, std::string());
    cfgCopy(saved, doc.store());
}

void addArgs(benchmark::internal::Benchmark* b) {
    for (auto [sections, systems] : kFiles)
        b->Args({sections, systems});
    b->ArgNames({"sections", "systems"});
    b->ComputeStatistics("min", fastest);
    b->UseManualTime();
    b->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_MidrangeAdd)->Name("BM_Sheet/midrange_add")->Apply(addArgs);

} // namespace
