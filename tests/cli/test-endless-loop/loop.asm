Never halts.
##
begin   BRA begin
##
