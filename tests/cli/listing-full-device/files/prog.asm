begin  MOVE R1, 5
#include "part.inc"
       HALT
