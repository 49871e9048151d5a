-- A batch judged again by other criteria, kept beside the verdict of its own. Any inspector of
-- the team may judge any of its batches again (it changes nothing of the batch); only who made
-- an evaluation may change it or mark it deleted, and nobody deletes one.
CREATE TABLE evaluations (
    uuid uuid PRIMARY KEY,
    batch_uuid uuid NOT NULL REFERENCES batches,
    criteria jsonb NOT NULL,
    verdict text NOT NULL,
    evaluated_at timestamptz NOT NULL,
    inspector_name text NOT NULL DEFAULT '',
    deleted boolean NOT NULL DEFAULT false,
    version integer NOT NULL DEFAULT 1,
    created_by text NOT NULL DEFAULT current_user,
    created_at timestamptz NOT NULL DEFAULT now(),
    change bigint NOT NULL DEFAULT 0
);
CREATE INDEX evaluations_batch ON evaluations (batch_uuid);
CREATE INDEX evaluations_change ON evaluations (change);

CREATE TRIGGER stamp BEFORE INSERT OR UPDATE ON evaluations
    FOR EACH ROW EXECUTE FUNCTION varnolithic_stamp();
CREATE TRIGGER never_deleted BEFORE DELETE ON evaluations
    FOR EACH ROW EXECUTE FUNCTION varnolithic_refuse_delete();
CREATE TRIGGER history AFTER UPDATE ON evaluations
    FOR EACH ROW EXECUTE FUNCTION varnolithic_record_history();

ALTER TABLE evaluations ENABLE ROW LEVEL SECURITY;
GRANT SELECT ON evaluations TO varnolithic_inspector, varnolithic_reviewer;
CREATE POLICY team_reads ON evaluations FOR SELECT
    TO varnolithic_inspector, varnolithic_reviewer USING (true);
GRANT INSERT ON evaluations TO varnolithic_inspector;
GRANT UPDATE (criteria, verdict, inspector_name, deleted) ON evaluations TO varnolithic_inspector;
CREATE POLICY inspector_adds ON evaluations FOR INSERT TO varnolithic_inspector
    WITH CHECK (created_by = current_user);
-- USING (true): a change of someone else's evaluation is refused with an error.
CREATE POLICY inspector_changes_own ON evaluations FOR UPDATE TO varnolithic_inspector
    USING (true) WITH CHECK (created_by = current_user);
