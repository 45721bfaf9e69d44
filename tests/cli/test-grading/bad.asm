Reads only one number, idles a while and writes it as the sum.
##
begin   SYS 6                 ; R1 := first number
        STORE R1, (total)
        MOVE R2, 30
idle    DEC R2
        BNE idle
        MOVE R2, result
        SYS 3
        SYS 5
        HALT

        ORG 0x0100
first   DAT 0
total   DAT 0
result  STR "Sum: "
##
