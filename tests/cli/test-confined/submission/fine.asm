Includes a file of its own.
##
#include "part.inc"
##
