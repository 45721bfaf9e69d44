##
begin   ADD R1, 5
#include "big.inc"
        HALT
##
