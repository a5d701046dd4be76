#include "folderlabel.h"

#include "platform/prompts.h"

namespace velmira {

void FolderLabel::setCaption(const QString& text) {
    setText(displayText(text));
}

}  // namespace velmira
