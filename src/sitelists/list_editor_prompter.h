#pragma once
// The message boxes of the list editor. Reports have an OK button; confirmations Yes and
// No, and only Yes goes ahead. Texts join their lines with a single line feed. The editor
// keeps ModalWindowOpen set for as long as it is open, so its boxes need not touch it.

#include <string>

namespace sg {

class ListEditorPrompter {
public:
    virtual ~ListEditorPrompter() = default;
    // An OK box with the program title as caption.
    virtual void tell(const std::string& text) = 0;
    // A Yes/No box; true only for Yes.
    virtual bool ask(const std::string& text) = 0;
};

} // namespace sg
