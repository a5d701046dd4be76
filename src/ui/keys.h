#pragma once

class QWidget;

namespace velmira {

// Enter and Return on a focused push button press that button, in any window: in a dialog the
// default button answers Enter only while the focus is on something that is not a button, and
// in the main window (no dialog) a button answers Enter at all. Called once a window,
// when its push buttons are made.
void enterPressesFocusedButton(QWidget* window);

}  // namespace velmira
