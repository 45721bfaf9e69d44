BCD arithmetic
--------------
Packed BCD keeps four decimal digits in a word (1234 decimal is 0x1234).
ABCD adds with the carry as carry in and out, SBCD subtracts it as a
borrow; CLC clears the carry first. Written as hexadecimal digits, a BCD
word shows its decimal digits: PRINTHEX of the include file print.inc
writes them.

##
begin   CLC
        MOVE R1, 0x1234
        ABCD R1, 0x0999       ; 1234 + 999 = 2233
        JSR printhex
        JSR newline
        CLC
        MOVE R1, 0x2233
        SBCD R1, 0x1111       ; 2233 - 1111 = 1122
        JSR printhex
        JSR newline
        HALT
#include <print.inc>
##
