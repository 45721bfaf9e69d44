Include files
-------------
An include line inserts a file of the include directory (include/ in the
home directory) where it stands. terminal.inc names the terminal services
(SYS PUTCHAR instead of SYS 1), chars.inc names some character codes, and
print.inc holds subroutines: PRINTLN, NEWLINE and PRINTHEX. The code of
print.inc lands where it is included, so it comes after HALT.

##
#include <terminal.inc>
#include <chars.inc>
begin   MOVE R2, title
        JSR println           ; the title and a line end
        MOVE R1, 'A
        SYS PUTCHAR
        MOVE R1, TAB
        SYS PUTCHAR           ; a tab
        MOVE R1, 'A
        JSR printhex          ; the code of A in hexadecimal: 0041
        JSR newline
        HALT
#include <print.inc>

title   STR "Include files"
##
