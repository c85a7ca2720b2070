// The C consumer, compiled as C++.
#include "consumer.c"
