#include "module_attachment.h"

#include "framework/win_app.h"
#include "platform/own_module.h"

void attachProgramAsModule() {
    AfxAttachModule(ownModule());
}
