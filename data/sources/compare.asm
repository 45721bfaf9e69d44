Signed and unsigned comparison
------------------------------
The word FFFF is -1 as a signed number and 65535 as an unsigned one.
CMP and the signed branches BLT, BGE, BGT, BLE compare signed numbers
(rightly while the difference lies between -32768 and 32767). CMP leaves
the carry alone, so BCS, BCC, BHI and BLS cannot follow it. To compare
unsigned numbers, add the complement of the second (NOT) to the first
after CLC: the sum carries exactly when the first is higher, and BCS
branches then.

##
begin   MOVE R1, 0xFFFF
        CMP R1, 1             ; the flags of FFFF - 1
        BLT sless             ; signed: -1 is less than 1
        MOVE R2, snotless
        BRA signed
sless   MOVE R2, isless
signed  SYS 3
        MOVE R1, 13
        SYS 1

        MOVE R1, 0xFFFF
        MOVE R2, 1
        NOT R2                ; R2 := FFFF - 1, the complement of 1
        CLC
        ADD R1, R2            ; carries when R1 is higher than 1, unsigned
        BCS uhigher           ; unsigned: 65535 is higher than 1
        MOVE R2, unothigh
        BRA unsigned
uhigher MOVE R2, ishigher
unsigned SYS 3
        MOVE R1, 13
        SYS 1
        HALT

isless  STR "signed: FFFF is less than 1"
snotless STR "signed: FFFF is not less than 1"
ishigher STR "unsigned: FFFF is higher than 1"
unothigh STR "unsigned: FFFF is not higher than 1"
##
