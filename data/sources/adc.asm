Numbers of two words: ADD, then ADC
-----------------------------------
A 32-bit number takes two words, a high and a low one. ADD adds the low
words and sets the carry C when their sum exceeds FFFF; ADC adds the high
words and that carry. ADD never clears C, so CLC comes first; MOVE and
STORE leave it alone. Here 0x0001F000 + 0x00022000 = 0x00041000: high
word 4, low word 0x1000 = 4096.

##
begin   CLC                   ; no carry yet
        MOVE R1, (alow)
        ADD R1, (blow)        ; low words: F000 + 2000 = 1000, C := 1
        STORE R1, (slow)
        MOVE R1, (ahigh)
        ADC R1, (bhigh)       ; high words: 0001 + 0002 + C = 0004
        STORE R1, (shigh)
        MOVE R2, high
        SYS 3
        MOVE R1, (shigh)
        SYS 5                 ; 4
        MOVE R2, low
        SYS 3
        MOVE R1, (slow)
        SYS 5                 ; 4096
        MOVE R1, 13
        SYS 1
        HALT

ahigh   DAT 0x0001            ; a = 0x0001F000
alow    DAT 0xF000
bhigh   DAT 0x0002            ; b = 0x00022000
blow    DAT 0x2000
shigh   DAT 0                 ; the sum
slow    DAT 0
high    STR "high word "
low     STR ", low word "
##
