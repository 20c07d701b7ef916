#include "shell/qt/image_history.h"

#include "listing/settings_list.h"

#include <QCoreApplication>
#include <QEvent>
#include <QUndoCommand>

namespace rc::shell {

class ImageStep : public QUndoCommand {
public:
    ImageStep(ImageHistory& history, const ImageBytes& before, const ImageBytes& after, const QString& name)
        : QUndoCommand(name), history_(history), before_(before), after_(after) {}

    void undo() override { Put(before_); }
    void redo() override { Put(after_); }

private:
    void Put(const ImageBytes& bytes) {
        history_.state_.image = bytes;
        history_.seen_ = bytes;
    }

    ImageHistory& history_;
    const ImageBytes before_, after_;
};

ImageHistory::ImageHistory(EditorState& state, QObject* parent)
    : QObject(parent), state_(state), seen_(state.image) {
    QCoreApplication::instance()->installEventFilter(this);
}

void ImageHistory::Record(const std::string& name) {
    if (state_.image == seen_)
        return;
    const std::string named = name.empty() ? listing::ChangeName(seen_, state_.image) : name;
    // Pushing runs the step's redo, which leaves the image as it is.
    stack_.push(new ImageStep(*this, seen_, state_.image, QString::fromStdString(named)));
    seen_ = state_.image;
}

void ImageHistory::Reset() {
    stack_.clear();
    seen_ = state_.image;
}

bool ImageHistory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        Record();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rc::shell
