##
begin   ADD R1, 5
#include "folder.inc"
        HALT
##
