Includes a file of the system.
##
#include "/etc/passwd"
##
