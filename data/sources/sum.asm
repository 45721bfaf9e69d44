Sum of two numbers
------------------
Reads two decimal numbers (terminal service 6 puts a number in R1) and
writes their sum (service 5 writes R1 as a signed number).

##
begin   MOVE R2, ask
        SYS 3
        SYS 6                 ; R1 := first number
        STORE R1, (first)     ; keep it in memory
        MOVE R1, 13
        SYS 1
        MOVE R2, ask
        SYS 3
        SYS 6                 ; R1 := second number
        ADD R1, (first)       ; R1 := second + first
        STORE R1, (total)
        MOVE R1, 13
        SYS 1
        MOVE R2, result
        SYS 3
        MOVE R1, (total)
        SYS 5                 ; write the sum
        MOVE R1, 13
        SYS 1
        HALT

ask     STR "Number: "
result  STR "Sum: "
first   DAT 0
total   DAT 0
##
