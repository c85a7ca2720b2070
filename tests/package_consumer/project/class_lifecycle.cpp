// The lifecycle program compiled as C++98 (QUILLETBUTTON_DLL), built but not run.
#include "class_lifecycle.c"
