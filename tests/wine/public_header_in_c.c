/* The public header compiles as C, and its declaration matches the export's type. */
#include "quorlan.h"

static TVXConfigEntryPointFunction const declared = TVXConfigEntryPoint;

const char* quorlanResultWords[] = {QUORLAN_RESULT_OK, QUORLAN_RESULT_CANCEL, QUORLAN_RESULT_ERROR,
                                    QUORLAN_ENTRY_POINT_NAME};

TVXConfigEntryPointFunction quorlanDeclaredEntryPoint(void) {
    return declared;
}
