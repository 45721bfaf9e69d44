##
begin   ADD R1, 5
        HALT
#include "missing.inc"