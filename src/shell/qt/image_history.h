#pragma once

#include "image/editor_state.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

namespace rc::shell {

// The edit history of the open image. Every dialog writes straight into the image, so the history
// does not ask them: it looks at the image before each thing the user does (a key, a click) and on
// the main window's tick, and whatever changed since the last look becomes one step, named after
// the settings it changed or after the whole-block command that made it. Undo and redo put the
// bytes back exactly; "Mod" follows the bytes by itself.
class ImageHistory : public QObject {
    Q_OBJECT
public:
    explicit ImageHistory(EditorState& state, QObject* parent = nullptr);

    QUndoStack& Stack() { return stack_; }
    // Takes what changed since the last look as a step, called `name`, or after the settings it
    // changed when no name is given.
    void Record(const std::string& name = {});
    // Called by a command that writes a whole block with the name of its change, once it is written.
    std::function<void(const std::string&)> Namer() {
        return [this](const std::string& name) { Record(name); };
    }
    // A new image: no step of the old one may be applied to it.
    void Reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ImageStep;
    EditorState& state_;
    ImageBytes seen_; // the image as of the last look
    QUndoStack stack_;
};

} // namespace rc::shell
