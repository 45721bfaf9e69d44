Exercise 1, a wrong solution
----------------------------
The mistake: no HALT. After the last SYS the processor runs on into the
strings and stops at a word 00xx ("Unknown operation").

##
begin   MOVE R2, first
        SYS 3
        MOVE R1, 13
        SYS 1
        MOVE R2, second
        SYS 3
        SYS 1

first   STR "TAV2 says hello"
second  STR "Bye!"
##
