#pragma once

namespace rc {

// Opens the program's help at a topic number (F1 in a dialog), at the contents, or at a search.
class IHelp {
public:
    virtual ~IHelp() = default;
    virtual void ShowContext(int context) = 0;
    virtual void ShowContents() = 0;
    virtual void ShowSearch() = 0;
};

} // namespace rc
