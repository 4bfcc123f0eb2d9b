#include "about/about_window.h"

#include "about/about_texts.h"

namespace ondalith {

void AboutWindow::fillTexts() {
    caption = about::kCaption;
    windowClassName = about::kWindowClassName;
    buttonLabel = about::kButtonLabel;
    creditsText = about::kCreditsText;
    productTitle = about::kProductTitle;
}

}  // namespace ondalith
