Includes a file next to its directory.
##
#include "../secret.inc"
##
