Bits: masks and shifts
----------------------
AND keeps the bits that are set in its mask, OR sets them and XOR flips
them. LSL shifts a word left and puts the bit that falls out into the
carry, where BCC and BCS test it: BINARY writes a word bit by bit that
way. MOVE and PUSH leave the carry alone.

##
begin   MOVE R1, 0b1010110011110000
        JSR binary            ; 1010110011110000
        AND R1, 0x00FF        ; keep the low byte
        JSR binary            ; 0000000011110000
        OR R1, 0x0F00         ; set bits 8 to 11
        JSR binary            ; 0000111111110000
        XOR R1, 0xFFFF        ; flip every bit
        JSR binary            ; 1111000000001111
        HALT

; BINARY: writes R1 as 16 binary digits and ends the line. Keeps R1, R2.
binary  PUSH R1
        PUSH R2
        MOVE R2, 16           ; bits to go
nextbit LSL R1                ; C := the leftmost bit, shifted out
        PUSH R1
        MOVE R1, '0
        BCC putbit
        MOVE R1, '1
putbit  SYS 1
        POP R1
        DEC R2
        BNE nextbit
        MOVE R1, 13
        SYS 1
        POP R2
        POP R1
        RTS
##
