// Hosting of embedded (ActiveX) controls in the module's dialogs. No template of this module
// holds such a control, so enabling it changes nothing visible; the start-up still asks for it
// so that a template that gains one keeps working.
#pragma once

void AfxEnableControlContainer();
// Whether the start-up asked for it.
bool AfxControlContainerEnabled();
