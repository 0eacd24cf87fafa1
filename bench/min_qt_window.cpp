// The floor for the editor's start: QApplication and a main window with a list and three
// buttons, ending at its first paint as the editor does when timed.
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <QVBoxLayout>
#include <cstdlib>

namespace {

class FirstPaintQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QListWidget(central));
    auto* buttons = new QHBoxLayout;
    for (const char* text : {"New...", "View/Change/Add...", "Delete"})
        buttons->addWidget(new QPushButton(QString::fromLatin1(text), central));
    layout->addLayout(buttons);
    window.setCentralWidget(central);
    FirstPaintQuit quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
