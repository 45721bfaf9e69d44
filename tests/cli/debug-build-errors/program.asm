Four mistakes: a colon after a label, a label defined twice, STR without
a string, and an instruction with too few operands.
##
begin   MOVE R1, 1
loop:   ADD R1, R2
begin   HALT
        STR
        ADD R1
##
