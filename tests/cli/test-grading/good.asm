Reads two numbers and writes their sum; keeps both in memory.
##
begin   SYS 6                 ; R1 := first number
        STORE R1, (first)
        SYS 6                 ; R1 := second number
        ADD R1, (first)       ; R1 := first + second
        STORE R1, (total)
        MOVE R2, result
        SYS 3                 ; "Sum: "
        SYS 5                 ; the sum
        HALT

        ORG 0x0100
first   DAT 0
total   DAT 0
result  STR "Sum: "
##
