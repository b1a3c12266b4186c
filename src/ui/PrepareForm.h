#pragma once

class QWidget;

namespace ui {

// The set-up every window applies once it has its controls. Windows are designed with their own
// title bar (a panel "TitleBar" holding the label "Title" and the images "SysMiniBtn", "SysMaxiBtn",
// "SysExitBtn" or "Exit", a grip "RezisePad" when resizable); with standard frames, always the case
// here, that panel gives way to the system's frame and its texts and buttons. A window whose
// property "tag" is -1, the splash and the About box keep their own look.
void PrepareForm(QWidget* window);

} // namespace ui
