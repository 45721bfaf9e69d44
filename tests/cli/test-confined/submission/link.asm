Includes a link that leads out of its directory.
##
#include "link.inc"
##
