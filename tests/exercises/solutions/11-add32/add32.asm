Exercise 11, reference solution
-------------------------------
ADD adds the low words and sets C on a carry; ADC adds the high words
and that carry. CLC first: ADD only ever sets C.

##
begin   SYS 6
        STORE R1, (ahigh)
        SYS 6
        STORE R1, (alow)
        SYS 6
        MOVE R2, R1           ; R2 := the high word of b
        SYS 6                 ; R1 := the low word of b
        CLC
        ADD R1, (alow)        ; low words; C := the carry
        STORE R1, (0x0101)
        MOVE R1, R2
        ADC R1, (ahigh)       ; high words and the carry
        STORE R1, (0x0100)
        HALT

ahigh   DAT 0
alow    DAT 0
##
